// The class's sound and voice file: its bytes, and what a missing or damaged file gives.
#include "DossierTemporaire.h"
#include "logique/base/FichierTexte.h"
#include "logique/sons/ReglagesClasse.h"

#include <gtest/gtest.h>

TEST(ReglagesClasse, WrittenByteForByteAndReadBack) {
    DossierTemporaire dossier;
    QDir().mkdir(QStringLiteral("classe de M. Roux"));
    const QString classe = QStringLiteral("classe de M. Roux/");
    EXPECT_EQ(ReglagesClasse::lit(classe), Sons::Reglages{}) << "quiet without the file";
    ReglagesClasse::ecrit(classe, {true, false});
    EXPECT_EQ(FichierTexte::litOctets(classe + QStringLiteral("sons_et_voix.txt")),
              QByteArray("[Sons]\r\n1 - oui\r\n[Lire les consignes et les questions \xE0 voix haute]\r\n0 - non\r\n"));
    for (const Sons::Reglages r : {Sons::Reglages{true, false}, Sons::Reglages{false, true}, Sons::Reglages{true, true}}) {
        ReglagesClasse::ecrit(classe, r);
        EXPECT_EQ(ReglagesClasse::lit(classe), r);
    }
    // A damaged file: each switch whose line cannot be read is off, the other keeps its value.
    FichierTexte::remplaceOctets(classe + QStringLiteral("sons_et_voix.txt"),
                                 "[Lire les consignes et les questions \xE0 voix haute]\r\n1 - oui\r\n[Sons]\r\noui\r\n");
    EXPECT_EQ(ReglagesClasse::lit(classe), (Sons::Reglages{false, true}));
    FichierTexte::remplaceOctets(classe + QStringLiteral("sons_et_voix.txt"), "[Sons]");
    EXPECT_EQ(ReglagesClasse::lit(classe), Sons::Reglages{});
    // Saved by hand in UTF-8 with its mark: both switches as written.
    FichierTexte::remplaceOctets(
        classe + QStringLiteral("sons_et_voix.txt"),
        "\xEF\xBB\xBF[Sons]\n1 - oui\n[Lire les consignes et les questions \xC3\xA0 voix haute]\n1 - oui\n");
    EXPECT_EQ(ReglagesClasse::lit(classe), (Sons::Reglages{true, true}));
}
