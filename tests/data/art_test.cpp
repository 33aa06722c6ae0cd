// Checks the built-in pictures and messages that the screens rely on.

#include "ArtRessources.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSvgRenderer>

namespace {

struct TailleAttendue {
    const char* nom;
    int largeur;
    int hauteur;
};

// Every picture a screen places, with the design size it places it at.
const TailleAttendue kImagesDesEcrans[] = {
    {"fond_marin", 1024, 665},       {"bulle", 136, 136},          {"bulle_jaune", 136, 136},
    {"bulle_rouge", 136, 136},       {"bulle_verte", 136, 136},    {"bulle_explose", 136, 136},
    {"poisson", 150, 110},           {"poisson_jaune", 120, 90},   {"requin", 255, 172},
    {"pirate_descend", 129, 209},    {"pirate_monte", 129, 209},   {"ramasse_piece1", 105, 97},
    {"ramasse_piece2", 105, 97},     {"crabe", 54, 35},            {"aide", 110, 120},
    {"enlever_aide", 110, 120},      {"aide_grisee", 110, 120},    {"solution", 159, 125},
    {"solution_vide", 159, 125},     {"quitter", 100, 120},        {"bilan_fond", 771, 555},
    {"bilan_poisson", 105, 97},      {"coffre", 233, 217},         {"coffre_devant", 233, 129},
    {"poisson_bien", 297, 201},      {"poisson_bof", 297, 201},    {"poisson_nul", 297, 201},
    {"signe_addition", 78, 78},      {"signe_soustraction", 78, 78}, {"signe_multiplication", 78, 78},
    {"signe_division", 78, 78},      {"requin_choix", 240, 130},   {"requin_choix_grise", 240, 130},
    {"pirate_choix", 110, 180},      {"baleine", 300, 115},
    {"requin_papa", 204, 138},       {"requin_maman", 158, 107},   {"requin_bebe", 115, 77},
    {"eclat_rangee", 505, 137},      {"bulle_petite", 48, 48},     {"petite_bulle_plus", 48, 48},
    {"petite_bulle_egal", 48, 48},   {"bulle_intrus", 145, 145},   {"eclat_intrus", 145, 129},
    {"bulle_trainee_33", 33, 33},    {"bulle_trainee_41", 41, 41}, {"bulle_trainee_49", 49, 49},
    {"bulle_trainee_65", 65, 65},    {"eclat_trainee_33", 33, 33}, {"eclat_trainee_41", 41, 41},
    {"eclat_trainee_49", 49, 49},    {"eclat_trainee_65", 65, 65}, {"requin_intrus", 225, 161},
    {"bebe_poisson", 161, 129},      {"poissonnet", 81, 57},       {"ok", 64, 40},
    {"bulle4_bleue", 137, 137},      {"bulle4_jaune", 137, 137},   {"bulle4_verte", 137, 137},
    {"bulle4_rouge", 137, 137},      {"bulle4_verte_fin", 137, 137}, {"bulle4_rouge_fin", 137, 137},
    {"poisson_cible", 161, 105},     {"petite_bulle_moins", 48, 48}, {"petite_bulle_fois", 48, 48},
    {"petite_bulle_divise", 48, 48},
};

QStringList nomsAvecJumeaux()
{
    QStringList noms;
    for (int n = 0; n <= 10; ++n)
        noms << QStringLiteral("tortues_%1").arg(n) << QStringLiteral("dominos_%1").arg(n);
    for (int k = 1; k <= 4; ++k)
        noms << QStringLiteral("exo%1").arg(k) << QStringLiteral("exo%1_selectionne").arg(k);
    for (const char* signe : {"addition", "soustraction", "multiplication", "division"})
        noms << QStringLiteral("signe_%1_selectionne").arg(QLatin1String(signe));
    noms << "requin_choix_selectionne" << "pirate_choix_selectionne" << "baleine_selectionne";
    return noms;
}

QSize tailleDe(const QString& nom)
{
    for (const auto& image : kImagesDesEcrans)
        if (nom == QLatin1String(image.nom))
            return {image.largeur, image.hauteur};
    if (nom.startsWith("tortues_") || nom.startsWith("dominos_"))
        return {158, 75};
    if (nom.startsWith("exo"))
        return {280, 100};
    // a highlighted twin has its picture's size
    return tailleDe(nom.chopped(QStringLiteral("_selectionne").size()));
}

QByteArray lit(const char* chemin)
{
    QFile fichier(QString::fromLatin1(chemin));
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return fichier.readAll();
}

} // namespace

// Design coordinates and picture coordinates agree only when the viewBox is the design size.
TEST(ArtRessources, chaqueImageDesEcransExisteASaTailleDeDessin)
{
    QStringList noms = nomsAvecJumeaux();
    for (const auto& image : kImagesDesEcrans)
        noms << QString::fromLatin1(image.nom);
    for (const QString& nom : noms) {
        SCOPED_TRACE(nom.toStdString());
        QSvgRenderer rendu(marivelle::cheminSvg(nom));
        ASSERT_TRUE(rendu.isValid());
        const QSize taille = tailleDe(nom);
        EXPECT_EQ(rendu.defaultSize(), taille);
        EXPECT_EQ(rendu.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(taille)));
    }
}

// The messages file is a Windows-1252 text file with CR LF ends, like every text file of the program.
TEST(ArtRessources, messagesPerduSontEnWindows1252AvecCrLf)
{
    const QByteArray octets = lit(marivelle::kMessagesPerduIntegres);
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
    EXPECT_TRUE(octets.contains('\xE9')); // é as one byte

    const QList<QByteArray> lignes = octets.chopped(2).split('\n');
    EXPECT_GE(lignes.size(), 14);
    for (const QByteArray& ligne : lignes)
        EXPECT_GT(ligne.trimmed().size(), 0);
}
