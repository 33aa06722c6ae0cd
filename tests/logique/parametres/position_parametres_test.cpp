// The position rewrite changes the "(N)" line only.
#include "DossierTemporaire.h"
#include "Enfant.h"
#include "MessageDe.h"
#include "logique/parametres/PositionParametres.h"

#include <gtest/gtest.h>

TEST(PositionParametres, OnlyPositionLinesChangeEveryOtherByteStays) {
    DossierTemporaire dossier;
    // Odd bytes, a lone CR inside a line, trailing blanks, an LF-only line, no final line break.
    ecritOctets("p.txt", "---\r\n(3)\r\n\x81\xE9\xFF caf\xE9  \r\na\rb\r\n\r\n(7) ancien\nfin sans saut");
    ReecritLignePosition("p.txt", LigneDePosition(12));
    EXPECT_EQ(octetsDe("p.txt"), QByteArray("---\r\n(12)\r\n\x81\xE9\xFF caf\xE9  \r\na\rb\r\n\r\n(12)\r\nfin sans saut\r\n"));
    // A line that already ends with CR LF gains nothing more; the folder holds no leftover.
    ReecritLignePosition("p.txt", LigneDePosition(1));
    EXPECT_EQ(octetsDe("p.txt"), QByteArray("---\r\n(1)\r\n\x81\xE9\xFF caf\xE9  \r\na\rb\r\n\r\n(1)\r\nfin sans saut\r\n"));
    EXPECT_EQ(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"p.txt"});
    EXPECT_THROW(ReecritLignePosition("absent.txt", LigneDePosition(1)), ErreurFichier);
    EXPECT_FALSE(QFile::exists("absent.txt"));
}

TEST(PositionParametres, AFullDiskOrALinkLeavesEveryFileAsItWas) {
    DossierTemporaire dossier;
    QByteArray parametres = "---\r\n(3)\r\n";
    while (parametres.size() < 2472) parametres += "1\r\n";
    ecritOctets("p.txt", parametres);
    const int code = dansUnEnfant([] {
        limiteTailleFichiers(2472);
        return messageDe<ErreurFichier>([] { ReecritLignePosition("p.txt", LigneDePosition(10000)); }).contains("p.txt") ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(octetsDe("p.txt"), parametres);

    QTemporaryDir ailleurs;
    ecritOctets(ailleurs.filePath("x.txt"), parametres);
    QFile::link(ailleurs.filePath("x.txt"), "lien.txt");
    EXPECT_THROW(ReecritLignePosition("lien.txt", LigneDePosition(1)), ErreurFichier);
    EXPECT_EQ(octetsDe(ailleurs.filePath("x.txt")), parametres);
}
