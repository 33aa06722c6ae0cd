// The plain logic behind the settings screen: entry texts, exercises made and read back, the
// teacher's file read back (old files included) and sequences assigned to many pupils.
#include "DossierTemporaire.h"
#include "logique/base/FichierTexte.h"
#include "logique/parametres/EntreesTables.h"
#include "logique/parametres/ExerciceParametre.h"
#include "logique/parametres/ExercicesDefinis.h"
#include "logique/parametres/Guidage.h"

#include <functional>
#include <map>
#include <gtest/gtest.h>

namespace {
// The review needs no table of its own: choosing it on opening opens everything exercise 1 has.
// Nor does the starting test, which opens only its operations and the list's ">>".
TEST(Guidage, TheReviewAndTheStartingTestEndTheGuidanceAtOnce) {
    for (int type : {5, 6}) {
        Guidage g;
        g.ouvre();
        g.typeChoisi(type);
        const Guidage::Activation a = g.activation();
        EXPECT_FALSE(g.guide());
        EXPECT_EQ(a.temps && a.requin && a.questions && a.aideRadios && a.bande, type == 5);
        EXPECT_TRUE(a.tables && a.choixDesTables && a.enregistrer);
    }
}

// At each step the guidance line names the step, and every greyed zone says what opens it.
TEST(Guidage, EachStepSaysWhatToChooseAndWhyTheRestIsGrey) {
    using Z = Guidage::Zone;
    const QString Type = u("Grisé : choisissez d'abord le type d'exercice.");
    const QString Operation = u("Grisé : choisissez d'abord l'opération (addition, soustraction, multiplication ou division).");
    const QString Intervalle = u("Grisé : cliquez d'abord sur « Tables sur l'intervalle [1..10] ».");
    const QString Ajout = u("Grisé : s'ouvre dès qu'une première table est ajoutée avec « >> ».");
    const QString Test = u("Grisé : le test de départ se passe sans temps ni aide, en 30 questions au plus par opération.");
    const QString Modes = u("Grisé : le test de départ porte sur les tables de 1 à 10 : choisissez l'opération, puis « >> ».");
    struct Cas {
        std::function<void(Guidage&)> pas;
        const char* etape;
        std::map<Z, QString> grises;  // every zone not listed can be used
    };
    // clang-format off
    const std::vector<Cas> cas = {
        {[](Guidage&) {}, "Étape 1 sur 4 : choisissez le type",
         {{Z::Options, Type}, {Z::Tables, Type}, {Z::ChoixDesTables, Type}, {Z::ListeTable1, Type}, {Z::Temps, Type},
          {Z::Requin, Type}, {Z::Questions, Type}, {Z::Aide, Type}, {Z::AideRadios, Type}, {Z::Bande, Type},
          {Z::ModesDeTables, Type}, {Z::SoustractionDivision, Type}}},
        {[](Guidage& g) { g.typeChoisi(1); }, "Étape 2 sur 4 : choisissez l'opération",
         {{Z::ChoixDesTables, Operation}, {Z::ListeTable1, Operation}, {Z::Temps, Operation}, {Z::Requin, Operation},
          {Z::Questions, Operation}, {Z::Aide, Operation}, {Z::AideRadios, Operation}, {Z::Bande, Operation},
          {Z::ModesDeTables, Operation}}},
        {[](Guidage& g) { g.operationChoisie(); }, "Étape 3 sur 4 : choisissez les tables",
         {{Z::ListeTable1, Intervalle}, {Z::Temps, Ajout}, {Z::Requin, Ajout}, {Z::Questions, Ajout}, {Z::Aide, Ajout},
          {Z::AideRadios, Ajout}, {Z::Bande, Ajout}}},
        {[](Guidage& g) { g.tablePreciseChoisie(); }, "Étape 3 sur 4",
         {{Z::Temps, Ajout}, {Z::Requin, Ajout}, {Z::Questions, Ajout}, {Z::Aide, Ajout}, {Z::AideRadios, Ajout},
          {Z::Bande, Ajout}}},
        {[](Guidage& g) { g.entreeAjoutee(); }, "Étape 4 sur 4 : réglez le temps, les questions et l'aide", {}},
        {[](Guidage& g) { g.typeChoisi(3); }, "Étape 4 sur 4 : réglez le temps et les questions",
         {{Z::Requin, u("Grisé : les requins n'existent pas pour ce type d'exercice.")},
          {Z::AideRadios, u("Grisé : l'aide en images n'existe pas pour ce type d'exercice.")},
          {Z::Bande, u("Grisé : la bande numérique n'existe pas pour ce type d'exercice.")}}},
        {[](Guidage& g) { g.typeChoisi(5); }, "Étape 4 sur 4 : la révision reprend les tables", {}},
        {[](Guidage& g) { g.typeChoisi(6); }, "Étape 4 sur 4 : choisissez Addition ou Multiplication",
         {{Z::Options, Test}, {Z::ListeTable1, Modes}, {Z::Temps, Test}, {Z::Requin, Test}, {Z::Questions, Test},
          {Z::Aide, Test}, {Z::AideRadios, Test}, {Z::Bande, Test}, {Z::ModesDeTables, Modes},
          {Z::SoustractionDivision, u("Grisé : le test de départ porte sur les additions et les multiplications.")}}},
    };
    // clang-format on
    Guidage g;
    g.ouvre();
    for (const Cas& c : cas) {
        c.pas(g);
        EXPECT_TRUE(g.consigne().startsWith(u(c.etape))) << c.etape << " / " << g.consigne().toStdString();
        for (int z = 0; z <= static_cast<int>(Z::SoustractionDivision); ++z) {
            const auto trouve = c.grises.find(static_cast<Z>(z));
            EXPECT_EQ(g.pourquoiGrise(static_cast<Z>(z)), trouve == c.grises.end() ? QString() : trouve->second)
                << c.etape << " zone " << z;
        }
    }
}

TEST(EntreesTables, TexteEtRelectureDesEntrees) {
    struct Cas {
        EntreeTable entree;
        const char* texte;
    };
    const Cas cas[] = {
        {EntreeTable::table(5, 1, 10, 2), "(x) table de 5 sur [1..10]"},
        {EntreeTable::table(-5, -30, -2, 3), "(/) table de -5 sur [-30..-2]"},
        {EntreeTable::table(0, 0, 0, 1), "(-) table de 0 sur [0..0]"},
        {EntreeTable::complement(-7, 0), "(+) compléments à -7"},
        {EntreeTable::complement(100, 1), "(-) compléments à 100"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(EntreesTables::texte(c.entree), u(c.texte));
        EXPECT_EQ(EntreesTables::lit(u(c.texte)), c.entree) << c.texte;
    }
    for (const char* autre : {"Doubles / carrés", "Successeurs", "(x) table de 5 sur [1..10] ", "(?) table de 1 sur [1..2]",
                              "(x) table de 99999999999 sur [1..2]", "(+) compléments à "})
        EXPECT_FALSE(EntreesTables::lit(u(autre))) << autre;
}

ChoixExercice choixDe(QList<EntreeCochee> entrees) {
    ChoixExercice c;
    c.type = 1;
    c.entrees = std::move(entrees);
    return c;
}

// What is written for an exercise is what comes back when it is clicked in the list.
TEST(ExerciceParametre, UnExerciceRevientAvecSesValeurs) {
    const ChoixExercice cas[] = {
        {.type = 2,
         .entrees = {{u("(/) table de -5 sur [-30..-2]")}, {u("(+) compléments à -7")}},
         .successeurs = true,
         .nombresRelatifs = true,
         .temps = ChoixExercice::Temps::Requin,
         .tempsRequin = 25,
         .aide = 0,
         .bande = true,
         .valeurBande = 99},
        {.type = 3,
         .entrees = {{u("(x) table de 5 sur [1..10]")}, {u("(x) table de 6 sur [1..10]")}},
         .doubles = true,
         .tablesDansOrdre = true,
         .grandeOperandeAGauche = true,
         .temps = ChoixExercice::Temps::Pirate,
         .tempsPirate = 180,
         .questions = 100,
         .aide = 2},
        {.type = 4, .entrees = {{u("(-) compléments à 10")}}, .bande = true, .valeurBande = 9},
    };
    for (const ChoixExercice& c : cas) {
        const ExerciceConstruit r = ExerciceParametre::construit(c);
        ASSERT_TRUE(r.refus.isEmpty()) << r.refus.toStdString();
        ChoixExercice attendu = c;
        attendu.operation = -1;  // the operation radio is not part of an exercise
        EXPECT_EQ(ExerciceParametre::charge(r.bloc), attendu) << r.bloc.toStdString();
    }
}

TEST(ExerciceParametre, CeQueLeBlocNeDitPas) {
    // A strip value typed by hand outside 9, 19, ..., 99 leaves the strip section empty.
    ChoixExercice c = choixDe({{u("(x) table de 5 sur [1..10]")}, {u("(x) table de 7 sur [1..10]"), false}});
    c.bande = true;
    c.valeurBande = 15;
    ExerciceConstruit r = ExerciceParametre::construit(c);
    EXPECT_TRUE(r.bloc.endsWith(u("[Bande numérique] ")));
    EXPECT_EQ(r.items, QStringList{u("(x) table de 5 sur [1..10]")});
    // Successors with complements only need no test; entries beyond the reader's 250 are refused.
    c = choixDe({{u("(+) compléments à 10")}});
    c.successeurs = true;
    EXPECT_TRUE(ExerciceParametre::construit(c).refus.isEmpty());
    c.entrees = QList<EntreeCochee>(ExerciceParametre::EntreesMax + 1, EntreeCochee{u("(+) compléments à 10")});
    EXPECT_TRUE(ExerciceParametre::construit(c).refus.contains(u("plus de 250 tables")));
}

// Successors or doubles that the checked tables cannot give are refused.
TEST(ExerciceParametre, SuccesseursEtDoublesSelonLesTables) {
    const struct {
        const char* entree;
        bool doubles;
        const char* refus;
    } cas[] = {{"(+) table de 10 sur [1..10]", false, "successeurs"},
               {"(+) table de 9 sur [1..10]", false, nullptr},
               {"(x) table de 12 sur [1..10]", true, "doubles"},
               {"(x) table de 10 sur [1..10]", true, nullptr}};
    for (const auto& c : cas) {
        ChoixExercice choix = choixDe({{u(c.entree)}});
        (c.doubles ? choix.doubles : choix.successeurs) = true;
        const QString refus = ExerciceParametre::construit(choix).refus;
        EXPECT_EQ(refus,
                  c.refus ? u("Vu les tables que vous avez sélectionnées, il n'est pas possible d'utiliser les ") + c.refus + "."
                          : QString())
            << c.entree;
    }
}

const QByteArray D69 = QByteArray(69, '-') + "\r\n";
const QByteArray U39 = QByteArray(39, '_') + "\r\n";

// A file of an earlier save: every reload had added empty lines before the separators.
TEST(ExercicesEnseignant, UnAncienFichierAuxLignesVidesEnTropSeCharge) {
    DossierTemporaire dossier;
    ecritOctets("ancien.txt", D69 + "Fichier de param\xe9trage pour Martin\r\n" + D69 +
                                  "\r\n(2)\r\n\r\n***Sauvegarde du profil***\r\n* 2 - oui dans un fichier tableur\r\n\r\n" + U39 +
                                  "\r\nExercice 1=>(x) table de 5 sur [1..10], \r\n" + U39 +
                                  "\r\n[Exercice]\r\nbloc 1\r\n\r\n\r\n\r\n\r\n\r\n" + U39 + "\r\nExercice 2=>\r\n" + U39 +
                                  "\r\n[Exercice]\r\n\r\nbloc 2\r\n\r\n\r\n");
    const ExercicesDefinis d = ExercicesEnseignant::lit("ancien.txt");
    EXPECT_EQ(d.libelles, (QStringList{u("Exercice 1=>(x) table de 5 sur [1..10], "), u("Exercice 2=>")}));
    EXPECT_EQ(d.contenus, (QStringList{u("[Exercice]\r\nbloc 1"), u("[Exercice]\r\n\r\nbloc 2")}));
    EXPECT_EQ(ExercicesEnseignant::litSauvegarde("ancien.txt"), (SauvegardeProfil{false, true, false}));
    EXPECT_TRUE(ExercicesEnseignant::lit("absent.txt").libelles.isEmpty());
}

TEST(ExercicesEnseignant, ChoixDeSauvegardeRelus) {
    DossierTemporaire dossier;
    struct Cas {
        const char* lignes;
        SauvegardeProfil attendu;
    };
    const Cas cas[] = {
        {"* 1 - oui dans une base de données\r\n* 3 - oui dans un fichier texte\r\n", {true, false, true}},
        {"* 0 - non pas de sauvegarde\r\n", {false, false, false}},
        // Reading stops at the first line that is not a profile line.
        {"* 2 - oui dans un fichier tableur\r\n\r\n* 1 - oui dans une base de données\r\n", {false, true, false}},
        {"* x - abîmé\r\n* 9 - inconnu\r\n", {false, false, false}},
    };
    for (const Cas& c : cas) {
        ecritOctets("e.txt", "(1)\r\n***Sauvegarde du profil***\r\n" + cp1252(c.lignes));
        EXPECT_EQ(ExercicesEnseignant::litSauvegarde("e.txt"), c.attendu) << c.lignes;
    }
    EXPECT_EQ(ExercicesEnseignant::litSauvegarde("absent.txt"), (SauvegardeProfil{false, false, true}));
}

// More exercises than the list holds, and more pupils than the old limit: nothing is cut.
TEST(ExercicesEnseignant, RienNEstCoupe) {
    DossierTemporaire dossier;
    ExercicesDefinis d;
    for (int k = 1; k <= 60; ++k) {
        d.libelles << QStringLiteral("Exercice %1=>").arg(k);
        d.contenus << QStringLiteral("[Exercice]\r\n%1 - questions").arg(k);
    }
    ExercicesEnseignant::enregistre("e.txt", "Martin", d, {});
    const ExercicesDefinis relu = ExercicesEnseignant::lit("e.txt");
    EXPECT_EQ(relu.libelles, d.libelles);
    EXPECT_EQ(relu.contenus, d.contenus);

    // The folder of the pupils without teacher may not exist yet when "aucun" saves a list.
    ExercicesEnseignant::enregistre("classe sans enseignant/enseignant_parametrage_aucun.txt", "aucun", d, {});
    EXPECT_EQ(ExercicesEnseignant::lit("classe sans enseignant/enseignant_parametrage_aucun.txt").libelles.size(), 60);

    QDir().mkdir("classe de Martin");
    ExercicesEnseignant::Affectation a{"Martin", "classe de Martin/", {}, {d.contenus.first()}, 1, 2};
    for (int i = 1; i <= 120; ++i) a.eleves << QStringLiteral("Eleve %1").arg(i);
    EXPECT_TRUE(ExercicesEnseignant::affecte(a).isEmpty());
    for (const QString& eleve : a.eleves)
        EXPECT_EQ(FichierTexte::litLignes(ExercicesEnseignant::cheminEleve(a, eleve)).last(),
                  u("2 - mettre en évidence les points négatifs"));
}
}  // namespace
