#include "DossierTemporaire.h"
#include "base/Cp1252.h"
#include "base/Erreurs.h"
#include "base/FichierTexte.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    QByteArray tous;
    for (int b = 0; b < 256; ++b) tous.append(static_cast<char>(b));
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(tous)).value(), tous);
    EXPECT_EQ(Cp1252::decode("\x80\xE9\x9C"), QString::fromUtf8("€éœ"));
    EXPECT_FALSE(Cp1252::representable(QString::fromUtf8("poisson 🐟")));
    EXPECT_FALSE(Cp1252::representable(QString::fromUtf8("Ǆ")));
}

TEST(FichierTexte, WritesCrLfWindows1252AndReadsBothLineEnds) {
    DossierTemporaire dossier;
    FichierTexte::ecritLignes("a.txt", {QString::fromUtf8("élève"), "", "fin"});
    EXPECT_EQ(octetsDe("a.txt"), QByteArray("\xE9l\xE8ve\r\n\r\nfin\r\n"));
    ecritOctets("b.txt", "un\ndeux\r\n\r\ntrois");
    EXPECT_EQ(FichierTexte::litLignes("b.txt"), QStringList({"un", "deux", "", "trois"}));
    FichierTexte::ajoute("b.txt", "quatre");
    EXPECT_EQ(octetsDe("b.txt"), QByteArray("un\ndeux\r\n\r\ntroisquatre\r\n"));
    FichierTexte::ecritTexte("c.txt", "x\r\ny");
    EXPECT_EQ(octetsDe("c.txt"), QByteArray("x\r\ny\r\n"));
}

TEST(FichierTexte, FailuresNameTheFileAndLeaveTheTargetWhole) {
    DossierTemporaire dossier;
    EXPECT_THROW(FichierTexte::litLignes("absent.txt"), ErreurFichier);
    try {
        FichierTexte::litLignes("absent.txt");
    } catch (const ErreurFichier& e) {
        EXPECT_TRUE(e.message().contains("absent.txt"));
    }
    FichierTexte::ecritLignes("garde.txt", {"ancien"});
    EXPECT_THROW(FichierTexte::ecritLignes("garde.txt", {QString::fromUtf8("🐟")}), ErreurFichier);
    EXPECT_EQ(octetsDe("garde.txt"), QByteArray("ancien\r\n"));
    EXPECT_THROW(FichierTexte::ecritLignes("pas/de/dossier.txt", {"x"}), ErreurFichier);
    // The replacement leaves no temporary file behind.
    EXPECT_EQ(QDir(".").entryList(QDir::Files).size(), 1);
}

TEST(FichierTexte, ReadingCanStopEarly) {
    DossierTemporaire dossier;
    ecritOctets("d.txt", "a\r\nb\nc\r\nd");
    EXPECT_EQ(FichierTexte::litLignesTantQue("d.txt", [](const QString& l) { return l != "b"; }),
              QStringList({"a", "b"}));
    EXPECT_EQ(FichierTexte::litLignesTantQue("d.txt", [](const QString&) { return true; }),
              QStringList({"a", "b", "c", "d"}));
}
