#include "ecrans/commun/LignesEquilibrees.h"

#include <QFont>
#include <gtest/gtest.h>

// French typography: a sign never starts a line, a hyphenated word is never cut at its hyphen,
// whatever the width; the words and signs stay as written, only the kind of space changes.
TEST(LignesEquilibrees, NoLineStartsWithASignNorBreaksAtAHyphen) {
    const QString texte = QString::fromUtf8("Tu n'as rien à revoir : Voulez-vous jouer ? « Bravo » ! 5-3 ; fin");
    EXPECT_EQ(LignesEquilibrees::typographie(texte),
              QString::fromUtf8("Tu n'as rien à revoir\u00A0: Voulez-\u2060vous jouer\u00A0? «\u00A0Bravo\u00A0»\u00A0! "
                                "5-\u20603\u00A0; fin"));
    QFont police;
    police.setPixelSize(20);
    for (int largeur = 30; largeur <= 700; largeur += 3) {
        SCOPED_TRACE(largeur);
        for (QString ligne : LignesEquilibrees::lignes(police, texte, largeur)) {
            ligne.remove(QChar(0x2060));
            EXPECT_FALSE(QStringView(u":!?;»").contains(ligne.front())) << ligne.toStdString();
            EXPECT_FALSE(ligne.endsWith(QLatin1Char('-')) || ligne.endsWith(QChar(0x00AB))) << ligne.toStdString();
        }
    }
}
