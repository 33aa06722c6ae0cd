#include "ecrans/commun/Traductions.h"

#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

TEST(Traductions, TheContextMenuOfATextFieldIsInFrench) {
    ASSERT_TRUE(Traductions::installe());
    QLineEdit champ(QStringLiteral("Lea"));
    std::unique_ptr<QMenu> menu(champ.createStandardContextMenu());
    QStringList textes;
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) textes << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(textes.contains(QString::fromUtf8("Tout sélectionner"))) << textes.join(" | ").toStdString();
    EXPECT_TRUE(textes.contains(QStringLiteral("Copier"))) << textes.join(" | ").toStdString();
    EXPECT_FALSE(textes.contains(QStringLiteral("Select All")));
}
