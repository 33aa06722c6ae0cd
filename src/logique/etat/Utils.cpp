#include "logique/etat/Utils.h"

#include "logique/base/FichierTexte.h"
#include "logique/base/Nombres.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"

void InitialiseParametres(SharedState& e) {
    e.NombreDeQuestions = 10;
    e.TempsDeReponse = 0;
    e.AvecPirate = e.SauvegardeBase = e.SauvegardeTableur = e.SauvegardeTexte = false;
    e.BandeNumerique = 10;
    e.Retroaction = 0;
    e.TypeAide = 1;
    e.CasDoublesCarres = e.CasSuccesseurs = false;
    e.OptionTableDansOrdre = e.OptionGrandeOperandeAGauche = e.OptionNombresRelatifs = false;
    e.TypeExercice = 0;
    e.videTables();
}

bool EstUnNombre(SharedState&, const QString& texte) { return Nombres::lit(texte).has_value(); }

QStringList LignesDeListe(const QStringList& lignes) {
    QStringList gardees;
    for (const QString& l : lignes)
        if (!l.startsWith(QLatin1Char('-')) && !l.startsWith(QLatin1Char('>'))) gardees << l;
    return gardees;
}

QString FichierParametrageEleve(const SharedState& e) {
    return e.RepertoireClasse + NomsDossier::parametrage(e.NomEleve, e.NomEnseignant);
}

QString FichierProfilEleve(const SharedState& e) { return e.RepertoireClasse + NomsDossier::profil(e.NomEleve, e.NomEnseignant); }
