#include "logique/parametres/ExerciceParametre.h"

#include "logique/base/Erreurs.h"
#include "logique/base/Nombres.h"
#include "logique/depart/TestDeDepart.h"
#include "logique/parametres/BlocTestDeDepart.h"
#include "logique/parametres/EntreesTables.h"
#include "logique/parametres/LignesParametres.h"

namespace ExerciceParametre {
namespace {
// Strip spin values 9, 19, ..., 99 give the codes 0 to 9; any other value no strip line (-1).
int codeBande(const ChoixExercice& c) {
    if (!c.bande) return 10;
    if (c.valeurBande % 10 == 9 && c.valeurBande >= 9 && c.valeurBande <= 99) return (c.valeurBande - 9) / 10;
    return -1;
}

// The starting test's block: its operations as their ten tables, no time limit, no help, the
// test's most questions; nothing else applies.
ExerciceConstruit testDeDepart(const QList<EntreeTable>& tables) {
    ExerciceConstruit r;
    for (const EntreeTable& e : tables)
        if (e.operation != int(Operation::Addition) && e.operation != int(Operation::Multiplication)) {
            r.refus = QStringLiteral("Le test de départ porte sur les additions et les multiplications : décochez les "
                                     "autres tables.");
            return r;
        }
    ExerciseSettings x;
    x.TypeExercice = BlocTestDeDepart::Type;
    x.tables = BlocTestDeDepart::entrees(BlocTestDeDepart::operationsNommees(tables));
    x.TempsDeReponse = 0;
    x.NombreDeQuestions = Depart::QuestionsAuPlus;
    x.TypeAide = 2;
    x.BandeNumerique = 10;
    r.bloc = BlocExercice(x);
    r.items << BlocTestDeDepart::libelle(BlocTestDeDepart::operationsTestees(tables));
    return r;
}
}  // namespace

ExerciceConstruit construit(const ChoixExercice& c) {
    ExerciceConstruit r;
    ExerciseSettings x;
    x.TypeExercice = c.type;
    for (const EntreeCochee& e : c.entrees) {
        if (!e.coche) continue;
        if (const auto entree = EntreesTables::lit(e.texte)) {
            x.tables << *entree;
            r.items << e.texte;
        }
    }
    // The review asks the facts of the whole sequence's tables: it needs none of its own; nor does
    // the starting test, which then tests the multiplications.
    const bool revision = c.type == 5;
    const bool depart = c.type == BlocTestDeDepart::Type;
    if (x.tables.isEmpty() && !revision && !depart) {
        r.refus = QStringLiteral("Vous devez préciser les tables");
        return r;
    }
    if (depart) return testDeDepart(x.tables);
    if (c.type < 1 || c.type > 5) {
        r.refus = QStringLiteral("Vous devez préciser un exercice");
        return r;
    }
    if (x.tables.size() > EntreesMax) {
        r.refus =
            QStringLiteral("Un exercice ne peut pas compter plus de %1 tables : décochez-en quelques-unes.").arg(EntreesMax);
        return r;
    }
    QList<EntreeTable> tables;
    for (const EntreeTable& e : x.tables)
        if (!e.complement()) tables << e;
    if (c.successeurs && !tables.isEmpty() && !EntreesTables::successeursPossibles(tables)) {
        r.refus = QStringLiteral("Vu les tables que vous avez sélectionnées, il n'est pas possible d'utiliser les successeurs.");
        return r;
    }
    if (c.doubles && !tables.isEmpty() && !EntreesTables::doublesPossibles(tables)) {
        r.refus = QStringLiteral("Vu les tables que vous avez sélectionnées, il n'est pas possible d'utiliser les doubles.");
        return r;
    }
    if (c.tablesDansOrdre && c.grandeOperandeAGauche)
        r.avis << QStringLiteral("L'option plus grande opérande à gauche ne sera pas prise en compte car vous avez "
                                 "sélectionné les tables dans l'ordre.");
    if (c.operation == 1 && c.grandeOperandeAGauche && c.nombresRelatifs)
        r.avis << QStringLiteral("L'option plus grande opérande à gauche ne sera pas prise en compte car vous avez "
                                 "sélectionné la possibilité d'avoir des nombres négatifs");

    // Special cases and options shape a table draw; the review has none.
    x.CasDoublesCarres = c.doubles && !revision;
    x.CasSuccesseurs = c.successeurs && !revision;
    x.OptionTableDansOrdre = c.tablesDansOrdre && !revision;
    x.OptionGrandeOperandeAGauche = c.grandeOperandeAGauche && !revision;
    x.OptionNombresRelatifs = c.nombresRelatifs && !revision;
    x.AvecPirate = c.temps == ChoixExercice::Temps::Pirate;
    x.TempsDeReponse = c.temps == ChoixExercice::Temps::Pirate   ? c.tempsPirate
                       : c.temps == ChoixExercice::Temps::Requin ? c.tempsRequin
                                                                 : 0;
    x.NombreDeQuestions = c.questions;
    x.TypeAide = c.aide;
    x.BandeNumerique = codeBande(c);
    r.bloc = BlocExercice(x);
    return r;
}

ChoixExercice charge(const QString& bloc) {
    using LignesParametres::valeur;
    ChoixExercice c;
    int section = 0;
    for (const QString& ligne : bloc.split(QStringLiteral("\r\n"))) {
        if (ligne.startsWith(QLatin1Char('['))) ++section;
        if (!ligne.contains(QLatin1Char('-'))) continue;
        const QString v = valeur(ligne);
        const std::optional<int> nombre = Nombres::lit(v);
        switch (section) {
            case 1:
                if (nombre && *nombre >= 1 && *nombre <= BlocTestDeDepart::Type) c.type = *nombre;
                break;
            case 2:
                try {
                    const EntreeTable e = LignesParametres::entree(ligne);
                    if (e.operation >= 0) c.entrees << EntreeCochee{EntreesTables::texte(e), true};
                } catch (const ErreurConversion&) {
                    // A damaged line is left out; the rest of the exercise still loads.
                }
                break;
            case 3:
                if (nombre == 0) c.doubles = true;
                if (nombre == 1) c.successeurs = true;
                break;
            case 4:
                if (nombre == 0) c.tablesDansOrdre = true;
                if (nombre == 1) c.grandeOperandeAGauche = true;
                if (nombre == 2) c.nombresRelatifs = true;
                break;
            case 5:
                if (v == QLatin1String("oui")) {
                    c.temps = ChoixExercice::Temps::Pirate;
                } else if (nombre == 0) {
                    c.temps = ChoixExercice::Temps::Aucun;
                } else if (nombre) {
                    if (c.temps == ChoixExercice::Temps::Pirate) {
                        c.tempsPirate = *nombre;
                    } else {
                        c.temps = ChoixExercice::Temps::Requin;
                        c.tempsRequin = *nombre;
                    }
                }
                break;
            case 6:
                if (nombre) c.questions = *nombre;
                break;
            case 7:
                if (nombre && *nombre >= 0 && *nombre <= 2) c.aide = *nombre;
                break;
            case 8:
                if (nombre && *nombre >= 0 && *nombre <= 9) {
                    c.bande = true;
                    c.valeurBande = 10 * *nombre + 9;
                }
                break;
            default: break;
        }
    }
    return c;
}
}  // namespace ExerciceParametre
