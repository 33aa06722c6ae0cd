#include "logique/etat/Utils.h"

#include "logique/base/FichierTexte.h"
#include "logique/base/Nombres.h"
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

QString RepertoireDeClasse(const QString& enseignant) {
    return enseignant == QLatin1String("aucun") ? QStringLiteral("classe sans enseignant/")
                                                : QStringLiteral("classe de ") + enseignant + QLatin1Char('/');
}

QString FichierParametrageEleve(const SharedState& e) {
    return e.RepertoireClasse + QStringLiteral("parametrage_") + e.NomEleve + QStringLiteral("_de_") +
           e.NomEnseignant + QStringLiteral(".txt");
}

QString FichierProfilEleve(const SharedState& e) {
    return e.RepertoireClasse + QStringLiteral("profil_") + e.NomEleve + QStringLiteral("_de_") +
           e.NomEnseignant + QStringLiteral(".txt");
}
