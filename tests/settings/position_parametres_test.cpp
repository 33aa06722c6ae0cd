// The position rewrite changes the "(N)" line only.
#include "DossierTemporaire.h"
#include "base/Erreurs.h"
#include "settings/PositionParametres.h"

#include <QDir>
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
