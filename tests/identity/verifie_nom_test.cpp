#include "DossierTemporaire.h"
#include "state/SharedState.h"
#include "identity/NomsRegistre.h"
#include "identity/VerifieNom.h"

#include <gtest/gtest.h>

namespace {
TEST(VerifieNom, KeepsTheRegistryReadableAndFileNamesValid) {
    for (const QString& nom : {u("Martin-"), u("Martin_"), u("Léa"), u("Anne-Marie"), u("O'Brien"), u(".Martin"),
                               u("Œdipe €"), u("Aucune"), u("Lea Lou"), u("a&b"), u("a-b_c")})
        EXPECT_FALSE(VerifieNom(nom)) << nom.toStdString();
    for (const QString& nom :
         {u(""), u(" "), u("   "), u(" Léa"), u("-Léa"), u("_Léa"), u(">Léa"), u("\tLéa"), u("Lé\ta"), u("Léa\r\n"),
          u("a/b"), u("a\\b"), u("."), u(".."), u("a:b"), u("a*b"), u("a?b"), u("a\"b"), u("a<b"), u("a|b"),
          u("L\u0081a"), u("L\u007fa"), u("Léa 🐟"), u("Ǆ"), u("\u00a0Léa"),
          // Windows drops trailing blanks and dots; invisible characters make look-alikes.
          u("Lea "), u("Lea."), u("Lea\u00a0"), u("Le\u00a0a"), u("Le\u00ada"), u("Le\u200ba"),
          // The list entries, whatever their case and blanks.
          u("aucun"), u("Aucun"), u("AUCUN"), u("Enseignant non inscrit"), u("enseignant  non inscrit"),
          u("Elève non inscrit"), u("ELÈVE NON INSCRIT"), u("eleve sans_id"), u("Eleve Sans_Id")})
        EXPECT_TRUE(VerifieNom(nom)) << nom.toStdString();
}

TEST(VerifieNom, DerivedFileNamesFitIn255BytesWithRoomForTheTemporaryCopy) {
    // The longest name made from a teacher alone is "profil_des_eleves_de_<T>.sqlite-journal".
    EXPECT_FALSE(VerifieNomEnseignant(QString(212, 'a')));
    EXPECT_TRUE(VerifieNomEnseignant(QString(213, 'a')));
    // Bytes are counted in UTF-8: "é" is two.
    EXPECT_FALSE(VerifieNomEnseignant(QString(106, QChar(0xe9))));
    EXPECT_TRUE(VerifieNomEnseignant(QString(107, QChar(0xe9))));
    EXPECT_TRUE(VerifieNomEnseignant(u("Enseignant non inscrit")));
    EXPECT_TRUE(VerifieNomEnseignant(u("Mar/tin")));

    // A pupil: "parametrage_<line>_de_<teacher>.txt", the whole line counted.
    const QString t(100, 'b');
    const QString niveau = u(" en classe de college");
    const QString court(128 - niveau.size(), 'a'), long_(129 - niveau.size(), 'a');
    EXPECT_FALSE(VerifieNomEleve(court, court + niveau, t));
    EXPECT_TRUE(VerifieNomEleve(long_, long_ + niveau, t));
    EXPECT_TRUE(VerifieNomEleve(u("-Tom"), u("-Tom en classe de cp"), t));
    EXPECT_TRUE(VerifieNomEleve(u("Elève non inscrit"), u("Elève non inscrit"), t));
    EXPECT_TRUE(VerifieNomEleve(u("Elève non inscrit"), u("Elève non inscrit en classe de cp"), t));
    EXPECT_TRUE(VerifieNomEleve(EleveSansId, EleveSansId, Registre::Aucun));
}
}  // namespace
