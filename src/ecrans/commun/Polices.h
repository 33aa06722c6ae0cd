#pragma once
// The screens name "Comic Sans MS" and "Arial"; here they are drawn with Comic Neue and
// Liberation Sans. A pupil's adjustments change the faces of the words they read (see pourLEleve).
#include <QFont>

struct Amenagements;

namespace Polices {
void installe();
// A font of the family with a size in pixels (optionally bold).
QFont police(const QString& famille, int pixels, bool gras = false);
// Whether a family is on this computer, in any case; false for a family Qt would only draw with
// another in its place (the fonts offered to pupils come from Debian's packages, which a copy
// built by hand may lack).
bool presente(const QString& famille);
// A text of a child's screen as the pupil reads it: words in the pupil's family (the program's
// when this computer lacks it), larger and more spaced as their adjustments say. Texts in the
// numbers' face (an operation, its answer, the bubbles', the strip's) keep their face and size:
// they already fill their bubbles and boxes. `part`: the share of that size a text gets where its room is short.
QFont pourLEleve(const QFont& programme, const Amenagements& amenagements, double part = 1.0);
}  // namespace Polices
