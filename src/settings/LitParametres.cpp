#include "settings/LitParametres.h"

#include "core/platform/FichierTexte.h"
#include "core/platform/Messages.h"
#include "core/state/SharedState.h"
#include "core/state/Utils.h"

// Provisional: replaced by the full reader.
void LitParametres(SharedState& etat, const QString& eleve, const QString& enseignant) {
    InitialiseParametres(etat);
    const QString chemin = etat.RepertoireClasse + "parametrage_" + eleve + "_de_" + enseignant + ".txt";
    if (!FichierTexte::existe(chemin)) {
        InitialiseParametres(etat);
        Messages::information(QStringLiteral("Les valeurs des paramètres seront par defaut"));
    }
}
