// Every screen, built for a 1024 × 768 display and for a 1920 × 1080 one, with every pupil's look
// (AmenagementsEssayes.h): each label, button and field is larger on the large display, its text
// included.
#include "AmenagementsEssayes.h"
#include "DossierTemporaire.h"
#include "programme/TAccueil.h"
#include "logique/base/Messages.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/DialogueMessage.h"
#include "ecrans/parametres/TParametrage.h"
#include "ecrans/session/TChoixOperateur.h"
#include "logique/amenagements/AmenagementsEnCours.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
bool estControle(const QWidget* w) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) return false;
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QListWidget*>(w);
}

QList<QWidget*> controles(QWidget* ecran) {
    QList<QWidget*> liste;
    for (QWidget* w : ecran->findChildren<QWidget*>())
        if (estControle(w)) liste << w;
    return liste;
}

std::unique_ptr<QWidget> construitA(const QSize& taille, const std::function<QWidget*()>& cree) {
    Affichage::fixeTaille(taille);
    std::unique_ptr<QWidget> ecran(cree());
    ecran->show();
    return ecran;
}
}  // namespace

TEST(Ecrans, EveryLabelButtonAndFieldGrowsWithTheDisplay) {
    DossierTemporaire dossier;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    { TAccueil accueil; }
    InitialiseParametres(Etat());
    Etat().NomEleve = EleveSansId;
    Etat().ajouteEntree(7, 1, 10, 2);
    Etat().NombreDeQuestions = 10;
    Etat().BandeNumerique = 9;
    const std::pair<const char*, std::function<QWidget*()>> ecrans[] = {
        {"SaisieIdentifiant", [] { return new TSaisieIdentifiant; }},
        {"ChoixOperateur", [] { return new TChoixOperateur; }},
        {"Parametrage", [] { return new TParametrage; }},
        {"Exo1", [] { return new TExo1; }},
        {"Exo2", [] { return new TExo2; }},
        {"Exo3", [] { return new TExo3; }},
        {"Exo4", [] { return new TExo4; }},
        {"Form1", [] { return new TForm1; }},
        {"DialogueMessage",
         [] {
             return new DialogueMessage(Messages::Genre::Confirmation,
                                        QStringLiteral("Voulez-vous vraiment supprimer cet eleve?"),
                                        QStringLiteral("Confirmation"));
         }},
    };
    // The numbers of one equation, typed or shown, in one size (against the shark, exercise 1's
    // answer bubble holds "=" and the answer, in a size of their own).
    const QMap<QString, QList<QStringList>> equations{{QStringLiteral("Exo1"),
                                                       {{"OpGauche", "OpDroite", "Resultat"}, {"ResultatBulle2", "EgaleBulle2"}}},
                                                      {QStringLiteral("Exo2"),
                                                       {{"OpGauche", "OpGaucheEdit", "OpDroite1", "OpDroiteEdit", "Resultat",
                                                         "Exo2OpGauche", "Exo2OpGaucheEdit", "Exo2Resultat"}}}};
    for (const auto& [look, amenagements] : amenagementsEssayes())
        for (const auto& [ecran, cree] : ecrans) {
            AmenagementsEnCours::installe(amenagements);
            const std::string nom = look.toStdString() + ecran;
            const auto petit = construitA(QSize(1024, 768), cree);
            const QList<QWidget*> design = controles(petit.get());
            const auto grand = construitA(QSize(1920, 1080), cree);
            const QList<QWidget*> large = controles(grand.get());
            ASSERT_EQ(design.size(), large.size()) << nom;
            EXPECT_FALSE(design.isEmpty()) << nom;
            for (qsizetype i = 0; i < design.size(); ++i) {
                const QWidget* d = design[i];
                const QWidget* l = large[i];
                ASSERT_EQ(d->objectName(), l->objectName()) << nom;
                const std::string qui = std::string(nom) + "/" + d->objectName().toStdString();
                EXPECT_GT(QFontInfo(l->font()).pixelSize(), QFontInfo(d->font()).pixelSize()) << qui;
                // A drop-down's list, a window of its own, has the box's letters.
                if (const auto* c = qobject_cast<const QComboBox*>(l)) {
                    EXPECT_EQ(QFontInfo(c->view()->font()).pixelSize(), QFontInfo(c->font()).pixelSize()) << qui;
                }
                // A caption sized to its text has its size once it holds one; a wrapped one may
                // need fewer lines on a wider display (its letters grow all the same, above).
                const auto* etiquette = qobject_cast<const QLabel*>(d);
                const auto lignes = [](const QWidget* w) { return w->height() / w->fontMetrics().lineSpacing(); };
                if (!etiquette || (!etiquette->text().isEmpty() && (!etiquette->wordWrap() || lignes(l) >= lignes(d)))) {
                    EXPECT_GT(l->height(), d->height()) << qui;
                }
            }
            for (const QStringList& equation : equations.value(QString::fromLatin1(ecran))) {
                QSet<int> tailles;
                for (const QString& n : equation) tailles << grand->findChild<QWidget*>(n)->font().pixelSize();
                EXPECT_LE(tailles.size(), 1) << nom;
            }
        }
}
