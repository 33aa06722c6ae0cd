// A pupil's adjustments file: read from bytes written by hand (missing, as written, edited by hand,
// damaged), written byte for byte, only the keys changed.
#include "DossierTemporaire.h"
#include "logique/amenagements/FichierAmenagements.h"

#include <gtest/gtest.h>

namespace {
using Temps = Amenagements::Temps;
using Police = Amenagements::Police;
using Taille = Amenagements::Taille;
using Cle = AmenagementsPartiels::Cle;

const QString Classe = QStringLiteral("classe de Martin/");
const QString Lea = u("Léa en classe de ce1");
const QString Tom = QStringLiteral("Tom en classe de ce2");
const QString FichierLea = Classe + u("amenagement_Léa en classe de ce1_de_Martin.txt");
const QString FichierTom = Classe + QStringLiteral("amenagement_Tom en classe de ce2_de_Martin.txt");

const QByteArray Tout = "temps=1,5\r\npolice=andika\r\ntaille=125\r\nespacement=oui\r\ncontraste=non\r\nvoix=oui\r\n"
                        "questions=moins\r\n";

class FichierAmenagementsTest : public testing::Test {
protected:
    DossierTemporaire dossier;
    void SetUp() override { QDir().mkdir(QStringLiteral("classe de Martin")); }
};

AmenagementsPartiels changements(std::initializer_list<std::pair<Cle, int>> valeurs) {
    AmenagementsPartiels p;
    for (const auto& [cle, valeur] : valeurs) p.fixe(cle, valeur);
    return p;
}
}  // namespace

TEST_F(FichierAmenagementsTest, ReadLenientlyWithANoteForEachLineNotUnderstood) {
    const auto note = [](int ligne, const char* texte, const char* pourquoi) {
        return u("Aménagements de Léa en classe de ce1 : la ligne %1 « %2 » %3.").arg(ligne).arg(u(texte), u(pourquoi));
    };
    const struct {
        const char* quoi;
        std::optional<QByteArray> octets;
        Amenagements attendus;
        QStringList avis;
    } cas[] = {
        {"no file", std::nullopt, {}, {}},
        {"empty", QByteArray(), {}, {}},
        {"as written",
         Tout,
         {.temps = Temps::UnEtDemi,
          .police = Police::Andika,
          .taille = Taille::Plus25,
          .espacement = true,
          .voix = true,
          .moinsDeQuestions = true},
         {}},
        {"edited by hand: UTF-8 with its mark, LF, blanks, case, 1.5, %, comments",
         "\xEF\xBB\xBF# pour L\xC3\xA9"
         "a\n\n  Temps = 1.5 \nPOLICE=Open Dyslexic\ntaille=150 %\ncontraste=Oui\ntemps=sans  limite",
         {.temps = Temps::SansLimite, .police = Police::OpenDyslexic, .taille = Taille::Plus50, .contraste = true},
         {}},
        {"damaged",
         "temps=4\r\npolice=comic\r\nbonjour\r\nvoix=oui\r\nfoo=bar\r\nespacement=\r\ntaille=125\r\n",
         {.taille = Taille::Plus25, .voix = true},
         {note(1, "temps=4",
               "n'est pas comprise, elle ne compte pas (temps s'écrit « 1 », « 1,5 », « 2 », « 3 » ou "
               "« sans limite »)"),
          note(2, "police=comic",
               "n'est pas comprise, elle ne compte pas (police s'écrit « programme », « andika » ou « opendyslexic »)"),
          note(3, "bonjour", "n'est pas comprise, elle ne compte pas (une ligne s'écrit clé=valeur, par exemple temps=2)"),
          note(5, "foo=bar", "a une clé inconnue : elle est gardée mais ne compte pas"),
          note(6, "espacement=", "n'est pas comprise, elle ne compte pas (espacement s'écrit « non » ou « oui »)")}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        QFile::remove(FichierLea);
        if (c.octets) ecritOctets(FichierLea, *c.octets);
        const FichierAmenagements::Lu lu = FichierAmenagements::lit(Classe, Lea, u("Martin"));
        EXPECT_EQ(lu.amenagements, c.attendus);
        EXPECT_EQ(lu.avis.join(QLatin1Char('\n')).toStdString(), c.avis.join(QLatin1Char('\n')).toStdString());
    }
}

TEST_F(FichierAmenagementsTest, WrittenByteForByteOnlyTheKeysChanged) {
    // A pupil without file gets every key; one with nothing on gets no file.
    const auto tout = changements({{Cle::Temps, int(Temps::UnEtDemi)},
                                   {Cle::Police, int(Police::Andika)},
                                   {Cle::Taille, int(Taille::Plus25)},
                                   {Cle::Espacement, 1},
                                   {Cle::Contraste, 0},
                                   {Cle::Voix, 1},
                                   {Cle::Questions, 1}});
    EXPECT_EQ(FichierAmenagements::modifie(Classe, "Martin", {Lea}, tout), QStringList());
    EXPECT_EQ(octetsDe(FichierLea), Tout);
    EXPECT_EQ(FichierAmenagements::modifie(Classe, "Martin", {Tom}, changements({{Cle::Temps, int(Temps::Normal)}})),
              QStringList());
    EXPECT_FALSE(QFile::exists(FichierTom));

    // Two pupils, the time changed: each keeps the rest as it was. Tom's file, edited by hand in
    // UTF-8, keeps its comment (now in Windows-1252), its unknown key and its line not understood
    // where they were; his time's first line is rewritten, the second dropped, the missing keys added.
    ecritOctets(FichierTom, "\xEF\xBB\xBF# \xC3\xA9l\xC3\xA8ve\nTemps = 3\nfoo=bar\ntemps=2\nbonjour\nvoix = oui\n");
    EXPECT_EQ(FichierAmenagements::modifie(Classe, "Martin", {Lea, Tom}, changements({{Cle::Temps, int(Temps::Double)}})),
              QStringList());
    EXPECT_EQ(octetsDe(FichierLea), QByteArray(Tout).replace("temps=1,5", "temps=2"));
    EXPECT_EQ(octetsDe(FichierTom),
              QByteArray("# \xE9l\xE8ve\r\ntemps=2\r\nfoo=bar\r\nbonjour\r\nvoix=oui\r\npolice=programme\r\n"
                         "taille=100\r\nespacement=non\r\ncontraste=non\r\nquestions=toutes\r\n"));

    // A file that cannot be written (a link) is named; the others are written all the same.
    QFile::remove(FichierLea);
    ecritOctets("ailleurs.txt", "x");
    QFile::link(QDir::current().absoluteFilePath("ailleurs.txt"), FichierLea);
    const QStringList echecs = FichierAmenagements::modifie(Classe, "Martin", {Lea, Tom}, changements({{Cle::Voix, 0}}));
    ASSERT_EQ(echecs.size(), 1);
    EXPECT_TRUE(echecs[0].contains(u("amenagement_Léa"))) << echecs[0].toStdString();
    EXPECT_EQ(octetsDe("ailleurs.txt"), "x");
    EXPECT_TRUE(octetsDe(FichierTom).contains("\r\nvoix=non\r\n"));
}
