#pragma once
// Shared pieces of the settings tests: sample settings, a class folder with a pupil's and a
// teacher's file, and the loaded exercise read back from the shared state.
#include "DossierTemporaire.h"
#include "logique/base/Cp1252.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/parametres/LitParametres.h"
#include "logique/parametres/ParameterFiles.h"

namespace essai {
inline const QString Enseignant = QStringLiteral("Mme Durand");
inline const QString Eleve = QString::fromUtf8("Léa");
inline const QString Classe = QStringLiteral("classe de Mme Durand/");

inline QString cheminEleve() { return Classe + NomsDossier::parametrage(Eleve, Enseignant); }
inline QString cheminEnseignant() { return Classe + NomsDossier::parametrageEnseignant(Enseignant); }

// Exercise 1: times and complements; exercise 2: negative numbers and every option;
// exercise 3: the odd one out with the sharks and no strip.
inline QList<ExerciseSettings> troisExercices() {
    return {{.TypeExercice = 1,
             .tables = {EntreeTable::table(5, 1, 10, 2), EntreeTable::complement(10, 0)},
             .CasDoublesCarres = true,
             .CasSuccesseurs = true,
             .AvecPirate = true,
             .TempsDeReponse = 12,
             .NombreDeQuestions = 15,
             .TypeAide = 0,
             .BandeNumerique = 2},
            {.TypeExercice = 2,
             .tables = {EntreeTable::table(-3, -5, 5, 1), EntreeTable::complement(-20, 3), EntreeTable::table(7, 0, 9, 3)},
             .OptionTableDansOrdre = true,
             .OptionGrandeOperandeAGauche = true,
             .OptionNombresRelatifs = true,
             .TempsDeReponse = 8,
             .NombreDeQuestions = 20,
             .TypeAide = 2,
             .BandeNumerique = 9},
            {.TypeExercice = 3,
             .tables = {EntreeTable::table(2, 1, 10, 0)},
             .CasSuccesseurs = true,
             .OptionNombresRelatifs = true,
             .NombreDeQuestions = 5}};
}

// The exercise held by the shared state, in the form the writers take.
inline ExerciseSettings exerciceCharge(const SharedState& e) {
    ExerciseSettings x{.TypeExercice = e.TypeExercice,
                       .tables = {},
                       .CasDoublesCarres = e.CasDoublesCarres,
                       .CasSuccesseurs = e.CasSuccesseurs,
                       .OptionTableDansOrdre = e.OptionTableDansOrdre,
                       .OptionGrandeOperandeAGauche = e.OptionGrandeOperandeAGauche,
                       .OptionNombresRelatifs = e.OptionNombresRelatifs,
                       .AvecPirate = e.AvecPirate,
                       .TempsDeReponse = e.TempsDeReponse,
                       .NombreDeQuestions = e.NombreDeQuestions,
                       .TypeAide = e.TypeAide,
                       .BandeNumerique = e.BandeNumerique};
    for (int i = 2; i + 3 <= e.DernierIndiceTables; i += 4)
        x.tables << EntreeTable{e.Tables[i], e.Tables[i + 1], e.Tables[i + 2], e.Tables[i + 3]};
    return x;
}

inline ExerciseSettings parDefaut() { return {.TypeExercice = 0, .tables = {}}; }

// A temporary working folder holding the class folder, with boxes answered silently.
class DossierDeClasse {
public:
    DossierDeClasse() {
        QDir().mkdir(essai::Classe);
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        etat.RepertoireClasse = essai::Classe;
    }

    void eleve(const QByteArray& octets) const { remplace(cheminEleve(), octets); }
    void eleve(const QString& texte) const { EcritFichier(cheminEleve(), texte); }
    void enseignant(const QByteArray& octets) const { remplace(cheminEnseignant(), octets); }
    void enseignantSans() const {
        EcritFichier(cheminEnseignant(), TexteTeacherParameterFile(Enseignant, {}, {}, false, false, false));
    }
    void charge() { LitParametres(etat, Eleve, Enseignant); }

private:
    // Removed first: rewriting a truncated file makes the file system flush it on close, which
    // would slow the many loads of the damaged-file test to a crawl.
    static void remplace(const QString& chemin, const QByteArray& octets) {
        QFile::remove(chemin);
        ecritOctets(chemin, octets);
    }

    DossierTemporaire dossier_;

public:
    SharedState etat;
};
}  // namespace essai
