// Checks the built-in pictures and messages that the screens rely on.

#include "ArtRessources.h"
#include "DossierTemporaire.h"

#include <gtest/gtest.h>

#include <QSvgRenderer>

// Design coordinates and picture coordinates agree only when the viewBox starts at 0, 0 and is
// the picture's size; a highlighted twin is the size of its picture, so it can take its place.
TEST(ArtRessources, chaqueImageASaTailleDeDessinEtSonJumeauLaMeme) {
    const QStringList fichiers = QDir(QStringLiteral(":/svg")).entryList({QStringLiteral("*.svg")});
    ASSERT_GT(fichiers.size(), 90);
    int jumeaux = 0;
    for (const QString& fichier : fichiers) {
        const QString nom = fichier.chopped(4);
        SCOPED_TRACE(nom.toStdString());
        QSvgRenderer rendu(marivelle::cheminSvg(nom));
        ASSERT_TRUE(rendu.isValid());
        EXPECT_FALSE(rendu.defaultSize().isEmpty());
        EXPECT_EQ(rendu.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(rendu.defaultSize())));
        if (nom.endsWith(QStringLiteral("_selectionne"))) {
            ++jumeaux;
            EXPECT_EQ(rendu.defaultSize(), QSvgRenderer(marivelle::cheminSvg(nom.chopped(12))).defaultSize());
        }
    }
    EXPECT_EQ(jumeaux, 12);
}

// The messages file is a Windows-1252 text file with CR LF ends, like every text file of the program.
TEST(ArtRessources, messagesPerduSontEnWindows1252AvecCrLf) {
    const QByteArray octets = octetsDe(QString::fromLatin1(marivelle::kMessagesPerduIntegres));
    ASSERT_FALSE(octets.isEmpty());
    EXPECT_TRUE(octets.endsWith("\r\n"));
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto octet = static_cast<unsigned char>(octets[i]);
        if (octet == '\n') {
            EXPECT_TRUE(i > 0 && octets[i - 1] == '\r') << "LF seul à l'octet " << i;
        }
        if (octet == '\r') {
            EXPECT_TRUE(i + 1 < octets.size() && octets[i + 1] == '\n') << "CR seul à l'octet " << i;
        }
        // 0x81, 0x8D, 0x8F, 0x90, 0x9D have no character in Windows-1252
        EXPECT_TRUE(octet != 0x81 && octet != 0x8D && octet != 0x8F && octet != 0x90 && octet != 0x9D);
        // "é" written as UTF-8 would show as "Ã©" on screen
        EXPECT_NE(octet, 0xC3) << "texte en UTF-8 à l'octet " << i;
    }
    EXPECT_TRUE(octets.contains('\xE9'));  // é as one byte

    const QList<QByteArray> lignes = octets.chopped(2).split('\n');
    EXPECT_GE(lignes.size(), 14);
    for (const QByteArray& ligne : lignes) EXPECT_GT(ligne.trimmed().size(), 0);
}
