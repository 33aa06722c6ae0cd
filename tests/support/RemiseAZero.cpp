#include "RemiseAZero.h"

#include "logique/base/Aleatoire.h"
#include "logique/base/EnFond.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/journal/Journal.h"
#include "logique/sons/Sons.h"
#include "logique/etat/SharedState.h"

#include <gtest/gtest.h>
#include <random>

// A test program links only the libraries it tests: the seams of the others are weak references,
// null when the library (so its state) is not in the program. Each reset lives in the source file
// of the state it resets, so a state in the program always comes with its reset.
[[gnu::weak]] void retablitEtat();
namespace AmenagementsEnCours {
[[gnu::weak]] void retire();
}
namespace Journal {
[[gnu::weak]] void retablit();
[[gnu::weak]] void arreteLesFils();
}  // namespace Journal
namespace Sons {
[[gnu::weak]] void installeSortie(std::unique_ptr<Sortie>);
[[gnu::weak]] void regle(const Reglages&);
}  // namespace Sons
namespace Affichage {
[[gnu::weak]] void fixeTaille(const QSize&);
}
namespace Ajustement {
[[gnu::weak]] void reinitialise();
}
namespace AmenagementsEnCours {
[[gnu::weak]] void retire();
}
namespace AnneauClavier {
[[gnu::weak]] void oublieLeClavier();
}
namespace Ecrans {
[[gnu::weak]] void remplaceFin(std::function<void()>);
[[gnu::weak]] void oublieTout();
}  // namespace Ecrans

namespace RemiseAZero {
void coutures() {
    Minuterie::accelere(1);
    Horloge::fixe({});
    Aleatoire::graine(std::random_device{}());
    Messages::installeRepondeur(nullptr);
    Messages::installeAfficheur(nullptr);
    Messages::installeDestinataire(nullptr);
    if (Journal::retablit) Journal::retablit();
    if (Sons::installeSortie) Sons::installeSortie(nullptr);
    if (Sons::regle) Sons::regle({});
    if (Affichage::fixeTaille) Affichage::fixeTaille(QSize());
    if (Ajustement::reinitialise) Ajustement::reinitialise();
    if (AnneauClavier::oublieLeClavier) AnneauClavier::oublieLeClavier();
    if (Ecrans::remplaceFin) Ecrans::remplaceFin(nullptr);
    if (AmenagementsEnCours::retire) AmenagementsEnCours::retire();
}

void etat() {
    if (retablitEtat) retablitEtat();
    if (AmenagementsEnCours::retire) AmenagementsEnCours::retire();
}

void ecrans() {
    if (Ecrans::oublieTout) Ecrans::oublieTout();
}

void unSeulFil() {
    if (Journal::arreteLesFils) Journal::arreteLesFils();
    for (const EnFond::Genre genre : {EnFond::Genre::Calcul, EnFond::Genre::Disque}) EnFond::reserve(genre).waitForDone();
}

namespace {
class ApresChaqueTest final : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        coutures();
        etat();
        ecrans();
    }
};
}  // namespace

void installePourGoogleTest() { testing::UnitTest::GetInstance()->listeners().Append(new ApresChaqueTest); }
}  // namespace RemiseAZero
