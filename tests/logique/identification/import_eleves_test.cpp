// A class list brought in from the files a teacher has (CSV in both encodings and separators,
// .xlsx, .ods), what is refused and why, the class list's bytes, two programs importing at once,
// and the list taken out again.
#include "DossierTemporaire.h"
#include "Enfant.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/ImportEleves.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
// 19 rows: first name, name, level. Refused: a duplicate in the file, a pupil already there, a
// name the registry refuses, a letter Windows-1252 lacks, a level the class does not have.
const QList<QStringList> Classe = {{u("Léa"), "Martin", "CE1"},
                                   {u("Zoé"), "N'Diaye", "ce2"},
                                   {u("Anaïs"), "D'Arc", "CE2"},
                                   {u("Maël"), u("Le Guénnec"), "ce1"},
                                   {u("Noémie"), u("Côté"), "ce2"},
                                   {"Lucas", "Bernard", "ce1"},
                                   {u("Chloé"), u("Lefèvre"), "ce2"},
                                   {"Hugo", "Moreau", "ce1"},
                                   {u("Inès"), "Laurent", ""},
                                   {u("Léa"), "Martin", "ce1"},
                                   {"Ambre", "Petit", "ce1"},
                                   {"-Paul", "Roux", "ce1"},
                                   {u("Łukasz"), "Nowak", "ce2"},
                                   {"Jules", "Fournier", "cm2"},
                                   {u("Éloïse"), "O'Brien", "ce2"},
                                   {u("Raphaël"), "Girard", "ce1"},
                                   {u("Jeanne"), u("d'Aubigné"), "ce2"},
                                   {u("Gaël"), u("Müller"), "ce1"},
                                   {u("Agathe"), u("Bœuf"), "ce2"}};

const QString Incorrect = u(
    "le nom n'est pas correct : il ne doit pas commencer par un blanc, « - », « _ » ou « > », ni finir par un blanc "
    "ou un point, ni contenir / \\ : * ? \" < > |, et doit rester assez court");

// The reasons shown, by row of `Classe`. A Windows-1252 file cannot hold the "Ł": its row has a
// "?" instead, refused like any other forbidden character.
QStringList refus(bool windows) {
    return {u("10:en double dans le fichier"), u("11:déjà inscrit dans cette classe"), "12:" + Incorrect,
            windows ? "13:" + Incorrect : u("13:le nom contient un caractère que le registre ne peut pas garder"),
            u("14:le niveau cm2 n'est pas enseigné dans cette classe (cp, ce1, ce2)")};
}

// The class list afterwards: its header, the pupil already there, then the accepted in file order
// (Inès, without level in the file, takes the level chosen for those, the class's middle one); its
// bytes shown as Latin-1 text, one character a byte.
QString listeAttendue() {
    return QString::fromLatin1(
        cp1252("--------------Fichier de la classe de Martin--------------\r\n"
               "Ambre Petit en classe de ce1\r\n"
               "Léa Martin en classe de ce1\r\nZoé N'Diaye en classe de ce2\r\nAnaïs D'Arc en classe de ce2\r\n"
               "Maël Le Guénnec en classe de ce1\r\nNoémie Côté en classe de ce2\r\n"
               "Lucas Bernard en classe de ce1\r\nChloé Lefèvre en classe de ce2\r\nHugo Moreau en classe de ce1\r\n"
               "Inès Laurent en classe de ce1\r\nÉloïse O'Brien en classe de ce2\r\n"
               "Raphaël Girard en classe de ce1\r\nJeanne d'Aubigné en classe de ce2\r\n"
               "Gaël Müller en classe de ce1\r\nAgathe Bœuf en classe de ce2\r\n"));
}
QString listeEcrite() { return QString::fromLatin1(octetsDe("classe de Martin/classe_Martin.txt")); }

QByteArray csv(const QList<QStringList>& lignes, QChar separateur, bool utf8) {
    QString texte;
    for (const QStringList& l : lignes) texte += l.join(separateur) + "\r\n";
    return utf8 ? texte.toUtf8() : cp1252(texte.replace(u("Łukasz"), "Lukasz?").toUtf8().constData());
}

bool lance(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    const bool fini = p.waitForFinished(120000) && p.exitCode() == 0;
    EXPECT_TRUE(fini) << p.readAllStandardError().toStdString();
    return fini;
}

bool ecritClasseur(const char* genre, const QString& chemin, QList<QStringList> lignes) {
    QJsonArray tableau;
    for (const QStringList& l : lignes) tableau.append(QJsonArray::fromStringList(l));
    return lance("/usr/bin/python3", {MARIVELLE_DOSSIER_TESTS "/../listes/ecrit_classeur.py", genre, chemin,
                                      QString::fromUtf8(QJsonDocument(tableau).toJson(QJsonDocument::Compact))});
}

class ImportElevesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun"});
        Registre::EnregistreEnseignant(etat, "Martin", {0, 1, 2});
        Registre::EnregistreEleve(etat, "Ambre Petit", "Martin", "ce1");
        Messages::recueille();
    }

    // Imports the file as the teacher would: read, shown, the accepted registered.
    QStringList importe(const QString& fichier, const QString& niveauParDefaut = "ce1") {
        const auto eleves = ImportEleves::prepare(etat, "Martin", ListeLue::lit(fichier, Registre::Niveaux), niveauParDefaut);
        QStringList refus;
        for (const auto& e : eleves)
            if (!e.refus.isEmpty()) refus << QString("%1:%2").arg(e.numero).arg(e.refus);
        ImportEleves::enregistre("Martin", eleves);
        return refus;
    }

    DossierTemporaire dossier;
    SharedState etat;
};
}  // namespace

TEST_F(ImportElevesTest, EveryKindOfFileGivesTheSameClassList) {
    QList<QStringList> avecEntete = Classe;
    avecEntete.prepend({u("Prénom"), "Nom", "Niveau"});
    struct Cas {
        const char* fichier;
        QByteArray octets;
        int decalage;  // the header's line
    };
    const Cas cas[] = {{"utf8-point-virgule.csv", "\xEF\xBB\xBF" + csv(avecEntete, ';', true), 1},
                       {"utf8-virgule.csv", csv(Classe, ',', true), 0},
                       {"windows-point-virgule.csv", csv(Classe, ';', false), 0},
                       {"windows-virgule.csv", csv(avecEntete, ',', false), 1}};
    const auto verifie = [&](const QString& fichier, int decalage, bool windows = false) {
        QStringList attendus;
        for (const QString& r : refus(windows))
            attendus << QString::number(r.section(':', 0, 0).toInt() + decalage) + ":" + r.section(':', 1);
        EXPECT_EQ(importe(fichier), attendus) << fichier.toStdString();
        EXPECT_EQ(listeEcrite(), listeAttendue()) << fichier.toStdString();
        EXPECT_TRUE(Messages::recueille().isEmpty());
        // Again: everyone is there already, nothing changes.
        EXPECT_EQ(importe(fichier).filter(u("déjà inscrit")).size(), 16);
        EXPECT_EQ(listeEcrite(), listeAttendue());
    };
    for (const Cas& c : cas) {
        DossierTemporaire ici;
        SetUp();
        ecritOctets(c.fichier, c.octets);
        verifie(c.fichier, c.decalage, QString(c.fichier).startsWith("windows"));
    }
    // Workbooks are read to the same rows (listes' tests); one made by LibreOffice goes all the way.
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) {
        std::printf("[ ignoré ] LibreOffice absent : pas de classeur .ods écrit par LibreOffice\n");
        return;
    }
    DossierTemporaire ici;
    SetUp();
    ASSERT_TRUE(ecritClasseur("xlsx", "libre.xlsx", avecEntete));
    ASSERT_TRUE(lance(soffice, {"-env:UserInstallation=file://" + ici.chemin() + "/profil", "--headless", "--convert-to", "ods",
                                "libre.xlsx"}));
    verifie("libre.ods", 1);
}

TEST_F(ImportElevesTest, TwoProgramsImportingAtOnceLoseNothing) {
    const int fichiers = fois(20, 100);
    QList<pid_t> enfants;
    for (const char* prefixe : {"A", "B"})
        enfants << lanceEnfant([&] {
            for (int f = 0; f < fichiers; ++f) {
                // Five of each program's own, and one both bring.
                QList<ListeLue::Eleve> lus;
                for (int k = 0; k < 5; ++k) lus << ListeLue::Eleve{k + 1, QString("%1 %2").arg(prefixe).arg(f * 5 + k), "ce1"};
                lus << ListeLue::Eleve{6, QString("Commun %1").arg(f), "ce2"};
                ImportEleves::enregistre("Martin", ImportEleves::prepare(etat, "Martin", lus, {}));
            }
            return 0;
        });
    for (pid_t enfant : enfants) EXPECT_EQ(attendEnfant(enfant), 0);
    const QStringList liste = FichierTexte::litLignes("classe de Martin/classe_Martin.txt");
    EXPECT_EQ(liste.size(), 2 + 11 * fichiers);
    EXPECT_EQ(liste.filter("Commun").size(), fichiers);
    EXPECT_EQ(QSet<QString>(liste.begin(), liste.end()).size(), liste.size());
}

TEST_F(ImportElevesTest, TheClassListIsTakenOutAndBroughtBackInAddsNoOne) {
    const QByteArray classe = cp1252(
        "--------------Fichier de la classe de Martin--------------\r\nAmbre Petit en classe de ce1\r\n"
        "Zoé N'Diaye\r\nJean;Paul en classe de ce2\r\nLou en classe de ce3\r\n");
    ecritOctets("classe de Martin/classe_Martin.txt", classe);
    const QByteArray attendu = cp1252("Nom;Niveau\r\nAmbre Petit;ce1\r\nZoé N'Diaye;\r\n\"Jean;Paul\";ce2\r\n"
                                      "Lou en classe de ce3;\r\n");
    EXPECT_EQ(ImportEleves::exporte("Martin"), attendu);
    // Brought back as the screen does (pupils without level would take ce1), with two rows whose
    // name is the whole registry line.
    ecritOctets("sortie.csv", attendu + "Ambre Petit en classe de ce1;\r\nAmbre Petit en classe de ce1;ce1\r\n");
    const auto relus = ImportEleves::prepare(etat, "Martin", ListeLue::lit("sortie.csv", Registre::Niveaux), "ce1");
    ASSERT_EQ(relus.size(), 6);
    for (const auto& e : relus) EXPECT_EQ(e.refus, u("déjà inscrit dans cette classe")) << e.ligne.toStdString();
    EXPECT_EQ(ImportEleves::enregistre("Martin", relus).enregistres, 0);
    EXPECT_EQ(octetsDe("classe de Martin/classe_Martin.txt"), classe);
    EXPECT_EQ(ImportEleves::exporte("Personne"), "Nom;Niveau\r\n");
}

TEST_F(ImportElevesTest, NamesLikeTheListEntriesOrEndingLikeALevelAreRefusedOnBothRoads) {
    const QString reserve = u("ce nom est réservé par le logiciel");
    const QString niveau = u("le nom ne doit pas finir par « en classe de … », qui annonce le niveau : le niveau se donne "
                             "dans sa propre colonne");
    const std::pair<const char*, QString> cas[] = {{"Eleve non inscrit", reserve},      {"élève NON   inscrit", reserve},
                                                   {"ENSEIGNANT non inscrit", reserve}, {"Aucún", reserve},
                                                   {"Tom en classe de CE1", niveau},    {"Tom en Classe de neige", niveau},
                                                   {"Tom en classe de ce3", niveau},    {"Tom en classe de", niveau},
                                                   {"Tom EN CLASSE DÉ cp", niveau}};
    for (const auto& [nom, raison] : cas) {
        SCOPED_TRACE(nom);
        // The import's preview says why; the identification screen refuses the same name.
        const auto eleves = ImportEleves::prepare(etat, "Martin", {ListeLue::Eleve{1, u(nom), "ce1"}}, "ce1");
        EXPECT_EQ(eleves.value(0).refus, raison);
        EXPECT_EQ(Registre::EnregistreEleve(etat, u(nom), "Martin", ""), Registre::Issue::Refuse);
    }
    // A name written as a registry line is that pupil at that level.
    const auto lea = ImportEleves::prepare(etat, "Martin", {ListeLue::Eleve{1, "Lea en classe de ce2", ""}}, "ce1");
    EXPECT_EQ(lea.value(0).ligne, "Lea en classe de ce2");
    EXPECT_TRUE(lea.value(0).refus.isEmpty());
}
