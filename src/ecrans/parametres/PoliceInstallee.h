#pragma once
// Whether a font family is on this computer, asked of Qt's font database: the fonts offered to
// pupils come from Debian's packages, which a computer may lack (the .deb depends on them, a copy
// built by hand may not have them).
#include <QString>

namespace PoliceInstallee {
// The family's name in any case; false for a family Qt would only draw with another in its place.
bool presente(const QString& famille);
}
