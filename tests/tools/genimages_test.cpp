// Renders the Images/ pictures into a temporary folder and reads them back as a program would.

#include "RenduImages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

using marivelle::genimages::ImageARendre;
using marivelle::genimages::imagesDuDossierImages;
using marivelle::genimages::rendJpeg;

// Each test renders into a fresh temporary folder.
struct RenduImages : ::testing::Test {
    QTemporaryDir dossier;
};

TEST_F(RenduImages, ecritLesVingtTroisJpegAuxNomsEtTaillesAttendus) {
    const auto images = imagesDuDossierImages();
    ASSERT_EQ(images.size(), 23);
    for (const auto& image : images) ASSERT_EQ(rendJpeg(image, dossier.path()), QString()) << image.fichier.toStdString();

    const QDir racine(dossier.path());
    const auto verifie = [&](const QString& fichier, QSize taille) {
        SCOPED_TRACE(fichier.toStdString());
        QImageReader lecteur(racine.filePath(fichier));
        EXPECT_EQ(lecteur.format(), "jpeg");
        const QImage lue = lecteur.read();
        ASSERT_FALSE(lue.isNull());
        EXPECT_EQ(lue.size(), taille);
    };
    verifie("FondMarin.jpg", {1024, 665});
    for (int n = 0; n <= 10; ++n) {
        verifie(QStringLiteral("Tortues/%1.jpg").arg(n), {236, 84});
        verifie(QStringLiteral("Dominos/%1.jpg").arg(n), {158, 75});
    }
}

// JPEG has no alpha: a see-through part must come out white, never black.
TEST_F(RenduImages, lesPartiesTransparentesDeviennentBlanches) {
    const ImageARendre bulle{QStringLiteral(":/svg/bulle.svg"), QStringLiteral("bulle.jpg"), {136, 136}};
    ASSERT_EQ(rendJpeg(bulle, dossier.path()), QString());
    const QImage lue(QDir(dossier.path()).filePath("bulle.jpg"));
    ASSERT_FALSE(lue.isNull());
    EXPECT_GT(qGray(lue.pixel(1, 1)), 245);
}

TEST_F(RenduImages, signaleUneImageAbsenteSansEcrireDeFichier) {
    const ImageARendre absente{QStringLiteral(":/svg/absente.svg"), QStringLiteral("absente.jpg"), {10, 10}};
    EXPECT_FALSE(rendJpeg(absente, dossier.path()).isEmpty());
    EXPECT_FALSE(QDir(dossier.path()).exists("absente.jpg"));
}
