// The workbook column and the database row of a finished exercise, read back with independent
// readers (openpyxl, Python's sqlite3).
#include "BorneAttente.h"
#include "DossierTemporaire.h"
#include "Enfant.h"
#include "LectureResultats.h"
#include "MessageDe.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "logique/resultats/Enregistreurs.h"

#include <QDateTime>
#include <QMap>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <array>
#include <cstdio>
#include <vector>

namespace {
struct Cas {
    const char* nom;
    QString enseignant, eleve;
    std::vector<std::array<int, 4>> entrees;
    bool successeurs, doubles;
    int type, aide, questions, erreurs, millisecondes;
    QString listeErreurs;
    // Expected
    QString fichier, table, feuille, typeTexte, aideTexte, tablesBase, casBase;
    int taux, secondes;
    double tauxExact;
    QString tempsQuestion;
};

// clang-format off
const Cas Cas_[] = {
    {"sans enseignant", "aucun", "Tom", {{7, 1, 10, 2}}, false, false, 1, 0, 10, 0, 83400, "",
     "classe sans enseignant/profil_des_eleves_de_aucun", "Eleve_sans_enseignant", "Tom", "donner résultat",
     "dessins", "x [7 de 1 à 10]\r\n", "aucun\r", 100, 83, 100, "8,34"},
    {"enseignant en deux mots, addition soustraction division", "Mme Lebrun", "Zoé Martin",
     {{7, 1, 10, 0}, {3, 0, 5, 1}, {2, 1, 10, 3}}, false, false, 2, 1, 10, 3, 61500,
     "\r\n3 + 4 = 8\r\n5 - 2 = 4\r\n9 + 1 = 11", "classe de Mme Lebrun/profil_des_eleves_de_Mme Lebrun",
     "classe_de_Mme_Lebrun", "Zoé_Martin", "à trou", "constellations",
     "+ [7 de 1 à 10]\r\n- [3 de 0 à 5]\r\n÷ [2 de 1 à 10]\r\n", "aucun\r", 70, 62, 70, "6,15"},
    {"doubles et successeurs, 8 questions 1 erreur", "Martin", "Léa", {{-9999, 10, -9999, 0}}, true, true, 3, 2, 8,
     1, 10500, "2 x 3 = 7\r\n", "classe de Martin/profil_des_eleves_de_Martin", "classe_de_Martin", "Léa",
     "intrus", "aucune", "+ [-9999 de 10 à -9999]\r\n", "successeur\rdouble\r", 88, 10, 87.5, "1,31"},
    {"8 questions 3 erreurs", "Martin", "Léa", {{2, 1, 10, 2}}, true, false, 4, 0, 8, 3, 16000, "a\r\nb\r\nc\r\n",
     "classe de Martin/profil_des_eleves_de_Martin", "classe_de_Martin", "Léa", "même résultat", "dessins",
     "x [2 de 1 à 10]\r\n", "successeur\r", 62, 16, 62.5, "2"},
    {"une apostrophe partout", "O'Brien", "Robert'); DROP TABLE x;--", {{5, 1, 10, 2}}, false, true, 1, 0, 10, 1,
     20000, "\r\nl'intrus n'était pas 7 ');--", "classe de O'Brien/profil_des_eleves_de_O'Brien",
     "classe_de_O'Brien", "Robert');_DROP_TABLE_x;--", "donner résultat", "dessins", "x [5 de 1 à 10]\r\n",
     "double\r", 90, 20, 90, "2"},
};
// clang-format on

SharedState etatDe(const Cas& c) {
    SharedState e;
    e.NomEnseignant = c.enseignant;
    e.NomEleve = c.eleve;
    e.RepertoireClasse = NomsDossier::repertoireClasse(c.enseignant);
    e.SauvegardeBase = e.SauvegardeTableur = true;
    for (const auto& t : c.entrees) e.ajouteEntree(t[0], t[1], t[2], t[3]);
    e.CasSuccesseurs = c.successeurs;
    e.CasDoublesCarres = c.doubles;
    e.TypeExercice = c.type;
    e.TypeAide = c.aide;
    e.NombreDeQuestions = c.questions;
    e.NumeroExercice = 4;
    e.HeureDebut = 0.4;
    e.HeureFin = 0.4 + c.millisecondes / 86400000.0;
    e.DateHeureDebut = "06/12/2026 09:36:00";
    e.DateHeureFin = "06/12/2026 09:37:23";
    return e;
}

QString enLf(QString texte) {
    texte.replace("\r\n", "\n");
    texte.replace('\r', '\n');
    return texte;
}

QJsonValue valeur(const QJsonObject& feuille, const char* cellule) {
    return feuille["cellules"].toObject()[cellule].toObject()["valeur"];
}
QString type(const QJsonObject& feuille, const char* cellule) {
    return feuille["cellules"].toObject()[cellule].toObject()["type"].toString();
}

void creeLesClasses() {
    QDir().mkdir("classe sans enseignant");
    for (const char* e : {"Mme Lebrun", "Martin", "O'Brien"}) QDir().mkdir(QStringLiteral("classe de ") + e);
}
// A fresh working folder holding the class folders.
struct DossierDesClasses : DossierTemporaire {
    DossierDesClasses() { creeLesClasses(); }
};

struct Resultats : ::testing::Test {
    void SetUp() override {
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    }
};

TEST_F(Resultats, EachCaseGivesItsRowAndItsColumn) {
    for (const Cas& c : Cas_) {
        SCOPED_TRACE(c.nom);
        DossierDesClasses dossier;
        SharedState e = etatDe(c);
        PrepareClasseur(e);
        PrepareBase(e);
        EcritColonneTableur(e, c.erreurs, c.listeErreurs);
        EcritLigneBase(e, c.erreurs, c.listeErreurs);
        EXPECT_EQ(Messages::recueille(), QStringList());

        const QJsonObject base = litBase(c.fichier + ".sqlite");
        ASSERT_EQ(base.keys(), QStringList{c.table});
        // Each column: its name, type and key mark, then the value of the row and its Python type.
        const QStringList attendues = {
            "Id INTEGER 1 = int 1",
            "Nom_eleve VARCHAR(50) 0 = str " + QString(c.eleve).replace(' ', '_'),
            "Date_debut VARCHAR(50) 0 = str 06/12/2026 09:36:00",
            "Exercice INTEGER 0 = int 4",
            "Type_exercice VARCHAR(30) 0 = str " + c.typeTexte,
            "Tables TEXT 0 = str " + c.tablesBase,
            "Cas_particulier VARCHAR(30) 0 = str " + c.casBase,
            "Aide VARCHAR(30) 0 = str " + c.aideTexte,
            QStringLiteral("Taux_reussite INTEGER 0 = int %1").arg(c.taux),
            QStringLiteral("Nombre_erreur VARCHAR(30) 0 = str %1 erreurs sur %2").arg(c.erreurs).arg(c.questions),
            QStringLiteral("Temps INTEGER 0 = int %1").arg(c.secondes),
            "Temps_questions VARCHAR(30) 0 = str " + c.tempsQuestion + " s par question",
            "Bilan TEXT 0 = str " + c.listeErreurs,
            "Date_fin VARCHAR(50) 0 = str 06/12/2026 09:37:23"};
        const QJsonArray lignes = base[c.table].toObject()["lignes"].toArray();
        ASSERT_EQ(lignes.size(), 1);
        QStringList lues;
        for (const auto& colonne : base[c.table].toObject()["colonnes"].toArray()) {
            const QJsonArray a = colonne.toArray(), valeur = lignes[0].toObject()[a[0].toString()].toArray();
            lues << QStringLiteral("%1 %2 %3 = %4 %5")
                        .arg(a[0].toString(), a[1].toString())
                        .arg(a[2].toInt())
                        .arg(valeur[1].toString(), valeur[0].toVariant().toString());
        }
        EXPECT_EQ(lues, attendues);

        const QJsonObject classeur = litClasseur(c.fichier + ".xlsx");
        ASSERT_EQ(classeur["feuilles"].toArray(), QJsonArray{c.feuille});
        const QJsonObject f = classeur["contenu"].toObject()[c.feuille].toObject();
        const std::pair<const char*, QString> attendu[] = {
            {"A1", "FICHIER DE PROFILS"},
            {"A2", "enseignant : "},
            {"B2", c.enseignant},
            {"A3", "élève : "},
            {"B3", c.eleve},
            {"A7", "PARAMETRE"},
            {"A8", "Type Exercice :"},
            {"A9", "Tables :"},
            {"A10", "Cas particulier :"},
            {"A11", "Aide :"},
            {"A12", "REALISATION"},
            {"A13", "Date Connexion :"},
            {"A14", "Taux réusite :"},
            {"A15", "Nombre erreur(s) :"},
            {"A16", "Temps : (sec)"},
            {"A17", "Temps/Questions : (sec)"},
            {"A18", "Bilan :"},
            {"A19", "Date Déconnexion :"},
            {"B6", "Exercice 4"},
            {"B8", c.typeTexte},
            {"B9", enLf(c.tablesBase)},
            {"B10", enLf(c.casBase)},
            {"B11", c.aideTexte},
            {"B13", "06/12/2026 09:36:00"},
            {"B15", QStringLiteral("%1 erreur(s) sur %2").arg(c.erreurs).arg(c.questions)},
            {"B16", QString::number(c.secondes)},
            {"B17", c.tempsQuestion + " secondes par question"},
            {"B18", enLf(c.listeErreurs)},
            {"B19", "06/12/2026 09:37:23"},
        };
        int textes = 0;
        for (const auto& [cellule, texte] : attendu) {
            if (texte.isEmpty()) continue;
            ++textes;
            EXPECT_EQ(valeur(f, cellule).toString(), texte) << cellule;
            EXPECT_EQ(type(f, cellule), "s") << cellule;
        }
        EXPECT_DOUBLE_EQ(valeur(f, "B14").toDouble(), c.tauxExact);
        EXPECT_EQ(type(f, "B14"), "n");
        EXPECT_EQ(valeur(f, "A25").toInt(), 2);
        EXPECT_EQ(type(f, "A25"), "n");
        // Nothing else: rows 7 and 12 stay empty in the exercise column.
        EXPECT_EQ(f["cellules"].toObject().size(), textes + 2);
        EXPECT_TRUE(f["cellules"].toObject()["B9"].toObject()["retour"].toBool());

        // Readable: the column is wider than its longest line, multi-line rows are tall enough.
        int plusLongue = 0;
        for (const auto& [cellule, texte] : attendu)
            if (cellule[0] == 'B')
                for (const QString& ligne : texte.split('\n')) plusLongue = std::max<int>(plusLongue, ligne.size());
        EXPECT_GE(f["largeurs"].toObject()["B"].toDouble(), plusLongue + 1.0);
        EXPECT_GE(f["largeurs"].toObject()["A"].toDouble(), 24.0);
        const QJsonObject hauteurs = f["hauteurs"].toObject();
        for (const auto& [cellule, ligne] : {std::pair{"B9", "9"}, {"B10", "10"}, {"B18", "18"}}) {
            const qsizetype lignes = valeur(f, cellule).toString().count('\n') + 1;
            if (lignes > 1) {
                EXPECT_GE(hauteurs[ligne].toDouble(), lignes * 12.0) << cellule;
            }
        }
    }
}
}  // namespace

namespace {
const QString Classeur = QStringLiteral("classe de Martin/profil_des_eleves_de_Martin.xlsx");
const QString Base = QStringLiteral("classe de Martin/profil_des_eleves_de_Martin.sqlite");

SharedState eleveDeMartin(const QString& eleve) {
    Cas c = Cas_[2];
    c.eleve = eleve;
    return etatDe(c);
}

// Connection then `exercices` exercises; the exercise number counts on from the column.
void joue(const QString& eleve, int exercices) {
    SharedState e = eleveDeMartin(eleve);
    PrepareClasseur(e);
    PrepareBase(e);
    for (int k = 0; k < exercices; ++k) {
        e.NumeroExercice = k + 1;
        EcritColonneTableur(e, 1, "2 x 3 = 7\r\n");
        EcritLigneBase(e, 1, "2 x 3 = 7\r\n");
    }
}

QJsonObject feuille(const QJsonObject& classeur, const QString& nom) { return classeur["contenu"].toObject()[nom].toObject(); }

TEST_F(Resultats, PupilsOfOneTeacherShareTheWorkbookEachOnTheirSheet) {
    DossierDesClasses dossier;
    joue("Léa", 2);
    const QJsonObject lea = feuille(litClasseur(Classeur), "Léa");
    // The workbook opens on the sheet of the pupil who saved last, the only selected tab.
    const auto ouvreSur = [](const QJsonObject& classeur, const char* eleve) {
        EXPECT_EQ(classeur["active"].toString(), eleve);
        EXPECT_EQ(classeur["selectionnees"].toArray(), QJsonArray{eleve});
    };
    SharedState tom = eleveDeMartin("Tom Pouce");
    PrepareClasseur(tom);
    ouvreSur(litClasseur(Classeur), "Tom_Pouce");
    joue("Tom Pouce", 1);
    QJsonObject classeur = litClasseur(Classeur);
    ouvreSur(classeur, "Tom_Pouce");
    EXPECT_EQ(classeur["feuilles"].toArray(), QJsonArray({"Léa", "Tom_Pouce"}));
    EXPECT_EQ(feuille(classeur, "Léa")["cellules"], lea["cellules"]);
    EXPECT_EQ(valeur(feuille(classeur, "Tom_Pouce"), "A25").toInt(), 2);
    EXPECT_EQ(valeur(feuille(classeur, "Tom_Pouce"), "B3").toString(), "Tom Pouce");

    // A pupil whose sheet is there: the workbook is not even saved at connection.
    const QByteArray avant = octetsDe(Classeur);
    const QDateTime modifie = QFileInfo(Classeur).lastModified();
    SharedState e = eleveDeMartin("Léa");
    PrepareClasseur(e);
    EXPECT_EQ(octetsDe(Classeur), avant);
    EXPECT_EQ(QFileInfo(Classeur).lastModified(), modifie);
    e.NumeroExercice = 3;
    EcritColonneTableur(e, 0, "");
    classeur = litClasseur(Classeur);
    ouvreSur(classeur, "Léa");
    EXPECT_EQ(valeur(feuille(classeur, "Léa"), "D6").toString(), "Exercice 3");
    EXPECT_EQ(valeur(feuille(classeur, "Léa"), "A25").toInt(), 4);
    EXPECT_EQ(litBase(Base)["classe_de_Martin"].toObject()["lignes"].toArray().size(), 3);
}

TEST_F(Resultats, EveryPupilGetsAValidSheetNameAndFindsItAgain) {
    DossierDesClasses dossier;
    const QString prefixe31 = "Marie-Charlotte de la Fontaine ";  // 31 characters
    const QStringList eleves = {
        prefixe31 + "Aubert", prefixe31 + "Bernard", "léa", "Léa", "History", "Zoé [CM1]: a/b\\c*?", "'Jo'"};
    for (const QString& eleve : eleves) joue(eleve, 1);
    // Saved once by another spreadsheet program: the names in B3 become shared strings.
    modifieCommeUnEnseignant(Classeur, "léa");
    for (const QString& eleve : eleves) joue(eleve, 1);
    const QJsonObject classeur = litClasseur(Classeur);
    const QStringList attendues = {"Marie-Charlotte_de_la_Fontaine_",
                                   "Marie-Charlotte_de_la_Fontain~2",
                                   "léa",
                                   "Léa~2",
                                   "History_",
                                   "Zoé__CM1___a_b_c__",
                                   "_Jo_",
                                   "Notes"};
    QStringList noms;
    for (const auto& n : classeur["feuilles"].toArray()) noms << n.toString();
    EXPECT_EQ(noms, attendues) << qPrintable(noms.join(" | "));
    for (int i = 0; i < eleves.size(); ++i) {
        const QJsonObject f = feuille(classeur, attendues[i]);
        EXPECT_EQ(type(f, "B3"), "s");
        EXPECT_EQ(valeur(f, "B3").toString(), eleves[i]);
        // Each pupil's two exercises went to their own sheet.
        EXPECT_EQ(valeur(f, "A25").toInt(), 3) << qPrintable(eleves[i]);
    }
}

TEST_F(Resultats, ATeachersOwnEditsSurviveThirtyExercisesInColumnsPastZ) {
    DossierDesClasses dossier;
    joue("Léa", 1);
    modifieCommeUnEnseignant(Classeur, "Léa");
    const QJsonObject avant = litClasseur(Classeur);
    joue("Léa", 30);
    const QJsonObject apres = litClasseur(Classeur);
    const QJsonObject lea = feuille(apres, "Léa");
    EXPECT_EQ(valeur(lea, "A30").toString(), "=1+2");
    EXPECT_EQ(type(lea, "A30"), "f");
    EXPECT_EQ(valeur(lea, "A31").toString(), "Remarque de l'enseignante");
    EXPECT_EQ(lea["cellules"].toObject()["A31"].toObject()["couleur"].toString(), "00FFFF00");
    EXPECT_EQ(valeur(lea, "A25").toInt(), 32);
    // Exercise k in column k + 2: C to Z, then AA to AF.
    const QString lettres = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int k = 1; k <= 30; ++k) {
        const int c = k + 2;
        const QString colonne = c <= 26 ? QString(lettres[c - 1]) : QString("A") + lettres[c - 27];
        EXPECT_EQ(valeur(lea, qPrintable(colonne + "6")).toString(), QStringLiteral("Exercice %1").arg(k)) << qPrintable(colonne);
        EXPECT_EQ(valeur(lea, qPrintable(colonne + "19")).toString(), "06/12/2026 09:37:23") << qPrintable(colonne);
    }
    EXPECT_EQ(feuille(apres, "Notes"), feuille(avant, "Notes"));
    // Every part but the pupil's sheet is the same, byte for byte.
    QJsonObject partiesAvant = avant["parties"].toObject(), partiesApres = apres["parties"].toObject();
    EXPECT_NE(partiesAvant.take("xl/worksheets/sheet1.xml"), partiesApres.take("xl/worksheets/sheet1.xml"));
    EXPECT_EQ(partiesApres, partiesAvant);
}

// A workbook that cannot be read is left as it is; the pupil still connects, is told once, and the
// other stores get every record.
TEST_F(Resultats, AFileThatIsNoWorkbookIsNeverReplacedNorStopsThePupil) {
    const QString illisible = "Le classeur « " + Classeur + " » n'est pas un classeur .xlsx lisible";
    const QString enorme = "Le classeur « " + Classeur + " » contient une partie (xl/workbook.xml) qui occuperait 65 Mo";
    const struct {
        const char* nom;
        QByteArray octets;
        QString message;
    } fichiers[] = {
        {"vide", QByteArray(), illisible},
        {"texte", QByteArray("Nom;Note\r\nLéa;12\r\n"), illisible},
        {"archive sans classeur", QByteArray::fromBase64("UEsFBgAAAAAAAAAAAAAAAAAAAAAAAA=="), illisible},
        {"partie de 65 Mo", QByteArray(), enorme},
    };
    for (const auto& [nom, octetsDonnes, debut] : fichiers) {
        SCOPED_TRACE(nom);
        DossierDesClasses dossier;
        ecritOctets(Classeur, octetsDonnes);
        if (debut == enorme) litAvecPython("classeur_enorme.py", {Classeur});
        const QByteArray octets = octetsDe(Classeur);
        SharedState e = eleveDeMartin("Léa");
        e.SauvegardeTexte = true;
        EcritConnexion(e, QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
        PrepareClasseur(e);
        PrepareBase(e);
        for (int k = 0; k < 2; ++k) {
            EcritProfilExercice(e, 1, "x");
            EcritColonneTableur(e, 1, "x");
            EcritLigneBase(e, 1, "x");
        }
        const QStringList messages = Messages::recueille();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(debut)) << qPrintable(messages[0]);
        EXPECT_TRUE(messages[0].endsWith(" Les résultats de cette séance sont enregistrés dans le profil de l'élève "
                                         "et la base de données seulement."))
            << qPrintable(messages[0]);
        EXPECT_EQ(octetsDe(Classeur), octets);
        EXPECT_EQ(QString(octetsDe(FichierProfilEleve(e))).count("Exercice"), 2);
        EXPECT_EQ(litBase(Base)["classe_de_Martin"].toObject()["lignes"].toArray().size(), 2);
        EXPECT_EQ(QDir("classe de Martin").entryList(QDir::Files | QDir::Hidden).size(), 3);
    }
}

// A25 edited by hand beyond the format's 16384 columns: refused, the file as it was.
TEST_F(Resultats, ACounterBeyondTheLastColumnIsRefused) {
    DossierDesClasses dossier;
    joue("Léa", 0);
    for (const char* compteur : {"2147483647", "16384"}) {
        litAvecPython("modifie_classeur.py", {Classeur, "Léa", "A25", compteur});
        const QByteArray avant = octetsDe(Classeur);
        SharedState e = eleveDeMartin("Léa");
        EcritColonneTableur(e, 1, "x");
        EXPECT_EQ(Messages::recueille(),
                  QStringList{"Le classeur « " + Classeur +
                              " » n'a pas été modifié : la cellule A25 de la feuille « Léa » "
                              "vaut " +
                              compteur +
                              ", alors qu'elle donne le numéro de la dernière colonne remplie "
                              "(16383 au plus). Corrigez ou effacez cette cellule pour que les résultats y soient de "
                              "nouveau enregistrés."});
        EXPECT_EQ(octetsDe(Classeur), avant);
    }
    // The last column of the format is still written.
    litAvecPython("modifie_classeur.py", {Classeur, "Léa", "A25", "16383"});
    joue("Léa", 1);
    const QJsonObject lea = feuille(litClasseur(Classeur), "Léa");
    EXPECT_EQ(valeur(lea, "XFD6").toString(), "Exercice 1");
    EXPECT_EQ(valeur(lea, "A25").toInt(), 16384);
    EXPECT_EQ(Messages::recueille(), QStringList());
}

// Neither store writes through a link, a link leading nowhere, a linked lock or journal, or a
// class folder that is a link: each says so in French and nothing outside changes.
TEST_F(Resultats, NeitherStoreWritesThroughALinkOrOutsideTheWorkingFolder) {
    DossierDesClasses ailleurs;
    joue("Léa", 1);
    const QString dehors = ailleurs.chemin() + "/classe de Martin/";
    const auto contenuDehors = [&] {
        QMap<QString, QByteArray> contenu;
        for (const QString& n : QDir(dehors).entryList(QDir::Files | QDir::Hidden)) contenu[n] = octetsDe(dehors + n);
        return contenu;
    };
    const auto avant = contenuDehors();
    const QString classeurDehors = dehors + "profil_des_eleves_de_Martin.xlsx";
    const QString baseDehors = dehors + "profil_des_eleves_de_Martin.sqlite";
    const std::pair<const char*, std::function<void()>> cas[] = {
        {"classeur lien", [&] { QFile::link(classeurDehors, Classeur); }},
        {"classeur lien vers rien", [&] { QFile::link(dehors + "absent.xlsx", Classeur); }},
        {"verrou du classeur lien", [&] { QFile::link(classeurDehors, Classeur + ".verrou"); }},
        {"base lien", [&] { QFile::link(baseDehors, Base); }},
        {"base lien vers rien", [&] { QFile::link(dehors + "absent.sqlite", Base); }},
        {"journal de la base lien", [&] { QFile::link(classeurDehors, Base + "-journal"); }},
        {"dossier de classe lien",
         [&] {
             QDir().rmdir("classe de Martin");
             QFile::link(dehors, "classe de Martin");
         }},
    };
    for (const auto& [nom, prepare] : cas) {
        SCOPED_TRACE(nom);
        DossierDesClasses dossier;
        prepare();
        SharedState e = eleveDeMartin("Léa");
        PrepareClasseur(e);
        QStringList messages{messageDe<ErreurFichier>([&] { PrepareBase(e); })};
        EcritColonneTableur(e, 1, "x");
        EcritLigneBase(e, 1, "x");
        messages << Messages::recueille();
        messages.removeAll(QString());
        EXPECT_FALSE(messages.isEmpty());
        for (const QString& m : messages) EXPECT_TRUE(m.contains("Marivelle ne le modifie pas")) << qPrintable(m);
        EXPECT_EQ(contenuDehors(), avant);
    }
}

// Each way the database can fail has its French reason; the file stays as it was.
TEST_F(Resultats, EachDatabaseFailureSaysWhyInFrench) {
    const QString debut = "Impossible d'enregistrer dans la base de données « " + Base + " » : ";
    const QString pasUneBase = debut +
                               "ce fichier n'est pas une base de données lisible (abîmé, coupé ou d'un autre genre). Il n'a pas "
                               "été modifié.";
    const struct {
        const char* nom;
        std::function<void()> prepare;
        QString message;
    } cas[] = {
        {"pas une base", [] { ecritOctets(Base, "pas une base"); }, pasUneBase},
        {"base coupée",
         [] {
             joue("Léa", 1);
             ecritOctets(Base, octetsDe(Base).left(1000));
         },
         pasUneBase},
        {"table du même nom",
         [] {
             litAvecPython("cree_base.py", {Base, "CREATE TABLE classe_de_Martin (x INTEGER)"});
         },
         debut + "elle contient déjà une table « classe_de_Martin » dont les colonnes ne sont pas celles des "
                 "résultats. Elle n'a pas été modifiée."},
        {"dossier à sa place", [] { QDir().mkdir(Base); }, debut + "c'est un dossier."},
    };
    for (const auto& [nom, prepare, message] : cas) {
        SCOPED_TRACE(nom);
        DossierDesClasses dossier;
        prepare();
        const QByteArray avant = octetsDe(Base);
        SharedState e = eleveDeMartin("Léa");
        EXPECT_EQ(messageDe<ErreurFichier>([&] { PrepareBase(e); }), message);
        EcritLigneBase(e, 1, "x");
        EXPECT_EQ(Messages::recueille(), QStringList{message});
        EXPECT_EQ(octetsDe(Base), avant);
    }

    // Another table only: the pupil's table is added, the other kept.
    DossierDesClasses dossier;
    litAvecPython("cree_base.py", {Base, "CREATE TABLE autre (x INTEGER)"});
    SharedState e = eleveDeMartin("Léa");
    PrepareBase(e);
    EcritLigneBase(e, 0, "");
    const QJsonObject base = litBase(Base);
    EXPECT_EQ(base.keys(), QStringList({"autre", "classe_de_Martin"}));
    EXPECT_EQ(base["classe_de_Martin"].toObject()["lignes"].toArray().size(), 1);
}

// Another program holding the database: answered while it still holds it, in French; the other
// stores record.
TEST_F(Resultats, ADatabaseInUseIsAnsweredQuicklyAndTheOtherStoresStillRecord) {
    DossierDesClasses dossier;
    joue("Léa", 0);
    SharedState e = eleveDeMartin("Léa");
    e.SauvegardeTexte = true;
    EcritConnexion(e, QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    // It lets go when told, or after the bound: a program waiting for the lock would get it only then.
    QProcess autre;
    autre.start("/usr/bin/python3", {DOSSIER_TESTS_RESULTATS "/tient_base.py", Base, QString::number(BorneAttenteMs / 1000)});
    ASSERT_TRUE(autre.waitForReadyRead(BorneAttenteMs));
    ASSERT_EQ(autre.readLine().trimmed(), QByteArray("pret"));
    const QString occupee = "Impossible d'enregistrer dans la base de données « " + Base +
                            " » : elle est utilisée par un autre programme. Son contenu précédent est conservé.";
    EXPECT_EQ(messageDe<ErreurFichier>([&] { PrepareBase(e); }), occupee);
    EcritProfilExercice(e, 1, "x");
    EcritColonneTableur(e, 1, "x");
    EcritLigneBase(e, 1, "x");
    EXPECT_EQ(Messages::recueille(), QStringList{occupee});
    autre.closeWriteChannel();
    autre.waitForFinished(BorneAttenteMs);
    EXPECT_EQ(valeur(feuille(litClasseur(Classeur), "Léa"), "B6").toString(), "Exercice 4");
    EXPECT_TRUE(QString(octetsDe(FichierProfilEleve(e))).contains("Exercice"));
    EXPECT_EQ(litBase(Base)["classe_de_Martin"].toObject()["lignes"].toArray().size(), 0);
}

// A workbook or a database that no longer fits on the disk keeps every byte, and the message says
// why in French: over the allowed file size, then on a full disk of its own (where the system
// allows one).
TEST_F(Resultats, AFullDiskLeavesBothStoresWhole) {
    const auto exerciceQuiNeTientPas = [](const QString& raison) {
        const QByteArray classeur = octetsDe(Classeur), base = octetsDe(Base);
        SharedState e = eleveDeMartin("Léa");
        EcritColonneTableur(e, 1, "x");
        EcritLigneBase(e, 1, "x");
        const QStringList attendus = {"Impossible d'enregistrer le fichier « " + Classeur + " » : " + raison +
                                          ". Son contenu précédent est conservé.",
                                      "Impossible d'enregistrer dans la base de données « " + Base + " » : " + raison +
                                          ". Son contenu précédent est conservé."};
        const QStringList messages = Messages::recueille();
        const QStringList restes = QDir("classe de Martin").entryList({"*.~*", "*.verrou", "*-journal"}, QDir::Files);
        if (messages.mid(0, 1) != attendus.mid(0, 1) || octetsDe(Classeur) != classeur || octetsDe(Base) != base ||
            !restes.isEmpty()) {
            std::fprintf(stderr, "%s | %s\n", qPrintable(messages.join(" | ")), qPrintable(restes.join(" ")));
            return 10;
        }
        // SQLite does not tell a file-size limit from another refusal of the disk.
        return messages.size() == 2 && (messages[1] == attendus[1] || raison.contains("taille")) ? 0 : 11;
    };
    DossierDesClasses dossier;
    joue("Léa", 20);
    EXPECT_EQ(dansUnEnfant([&] {
                  limiteTailleFichiers(octetsDe(Classeur).size());
                  return exerciceQuiNeTientPas("le fichier dépasserait la taille permise");
              }),
              0);

    QTemporaryDir point;
    const int code = dansUnEnfant([&] {
        if (!montePetitDisque(QFile::encodeName(point.path()), "256k")) return 77;
        QDir::setCurrent(point.path());
        creeLesClasses();
        joue("Léa", 20);
        // One page left: the lock fits, the new workbook does not.
        remplitDisque(4096);
        return exerciceQuiNeTientPas("il n'y a plus de place sur le disque");
    });
    if (code == 77) GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(code, 0);
}

// Two programs (forked) recording for one teacher at the same moment lose nothing. The suite runs 2 × 30
// exercises; MARIVELLE_EXERCICES_CONCURRENTS=200 runs the long version.
TEST_F(Resultats, TwoProgramsRecordingAtOnceLoseNoRowAndNoColumn) {
    DossierDesClasses dossier;
    const int n = qEnvironmentVariableIsSet("MARIVELLE_EXERCICES_CONCURRENTS")
                      ? qEnvironmentVariableIntValue("MARIVELLE_EXERCICES_CONCURRENTS")
                      : 30;
    std::vector<pid_t> programmes;
    for (const char* eleve : {"Léa", "Tom"})
        programmes.push_back(lanceEnfant([&, eleve] {
            int echecs = 0;
            Messages::installeRepondeur([&](Messages::Genre, const QString& texte) {
                std::fprintf(stderr, "%s\n", qPrintable(texte));
                return ++echecs, true;
            });
            joue(eleve, n);
            return echecs;
        }));
    for (pid_t p : programmes) EXPECT_EQ(attendEnfant(p), 0);
    const QJsonObject classeur = litClasseur(Classeur);
    EXPECT_EQ(classeur["feuilles"].toArray().size(), 2);
    int colonnes = 0;
    for (const char* eleve : {"Léa", "Tom"}) {
        const QJsonObject f = feuille(classeur, eleve);
        EXPECT_EQ(valeur(f, "A25").toInt(), n + 1);
        for (const auto& cellule : f["cellules"].toObject().keys())
            if (QRegularExpression("^[A-Z]+6$").match(cellule).hasMatch() && cellule != "A6") ++colonnes;
    }
    EXPECT_EQ(colonnes, 2 * n);
    EXPECT_EQ(litBase(Base)["classe_de_Martin"].toObject()["lignes"].toArray().size(), 2 * n);
    EXPECT_EQ(QDir("classe de Martin").entryList(QDir::Files | QDir::Hidden).size(), 2);
}
}  // namespace
