#include "logique/amenagements/AmenagementsEnCours.h"

namespace AmenagementsEnCours {
namespace {
Amenagements& enCours() {
    static Amenagements a;
    return a;
}
}  // namespace

const Amenagements& courants() { return enCours(); }
void installe(const Amenagements& amenagements) { enCours() = amenagements; }
void retire() { enCours() = Amenagements{}; }
}  // namespace AmenagementsEnCours
