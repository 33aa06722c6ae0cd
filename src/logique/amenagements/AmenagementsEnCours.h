#pragma once
// The adjustments of the pupil at the screen, for every screen and recorder of the session to
// apply: read from the pupil's file when the pupil logs in, none when nobody is logged in or a
// child plays without identifier. Used from the screens' thread only.
#include "logique/amenagements/Amenagements.h"

namespace AmenagementsEnCours {
const Amenagements& courants();
void installe(const Amenagements& amenagements);
// Back to none: the identification screen is shown again.
void retire();
}  // namespace AmenagementsEnCours
