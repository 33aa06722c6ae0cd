#include "DossierTemporaire.h"
#include "MessageDe.h"
#include "logique/base/Cp1252.h"
#include "logique/base/FichierTexte.h"

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
    EXPECT_TRUE(messageDe<ErreurFichier>([] { FichierTexte::litLignes("absent.txt"); }).contains("absent.txt"));
    FichierTexte::ecritLignes("garde.txt", {"ancien"});
    EXPECT_THROW(FichierTexte::ecritLignes("garde.txt", {QString::fromUtf8("🐟")}), ErreurFichier);
    EXPECT_EQ(octetsDe("garde.txt"), QByteArray("ancien\r\n"));
    EXPECT_THROW(FichierTexte::ecritLignes("pas/de/dossier.txt", {"x"}), ErreurFichier);
    // The replacement leaves no temporary file behind.
    EXPECT_EQ(QDir(".").entryList(QDir::Files).size(), 1);
}

// A settings file saved by another editor: UTF-8 when the whole file is (its mark dropped),
// Windows-1252 otherwise, even where one line alone would pass for UTF-8.
TEST(FichierTexte, SettingsAreReadAsUtf8OrWindows1252FileByFile) {
    DossierTemporaire dossier;
    const struct {
        QByteArray octets;
        QStringList lignes;
    } cas[] = {
        {"\xEF\xBB\xBF\xC3\xA9l\xC3\xA8ve\r\n\xC3\xA0\r\n", {u("élève"), u("à")}},
        {"\xC3\xA9l\xC3\xA8ve\n\xE2\x82\xAC", {u("élève"), u("€")}},
        {"\xE9l\xE8ve\r\n\xC3\xA0\r\n", {u("élève"), u("Ã\u00A0")}},
        {"\xEF\xBB\xBF\xE9\r\n", {u("é")}},
        // Not UTF-8: a longer form than needed, a surrogate, beyond U+10FFFF, cut short.
        {"\xC0\xA9", {u("À©")}},
        {"\xED\xA0\x80", {u("í\u00A0€")}},
        {"\xF4\x90\x80\x80", {u("ô\u0090€€")}},
        {"\xC3", {u("Ã")}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.octets.toHex(' ').toStdString());
        ecritOctets("r.txt", c.octets);
        EXPECT_EQ(FichierTexte::litLignesReglages("r.txt"), c.lignes);
    }
    // Read while a condition holds, the first line that breaks it included.
    ecritOctets("r.txt", "\xEF\xBB\xBFun\n\xC3\xA9t\xC3\xA9\r\nfin");
    EXPECT_EQ(FichierTexte::litLignesTantQue("r.txt", [](const QString& l) { return l == "un"; }), QStringList({"un", u("été")}));
    EXPECT_EQ(FichierTexte::litLignesTantQue("r.txt", [](const QString&) { return true; }), QStringList({"un", u("été"), "fin"}));
    EXPECT_EQ(FichierTexte::litLignes("r.txt").first(), u("ï»¿un")) << "the program's own files stay Windows-1252";
}
