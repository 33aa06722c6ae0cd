#pragma once
// The screens name "Comic Sans MS" and "Arial"; here they are drawn with Comic Neue and
// Liberation Sans.
#include <QFont>

namespace Polices {
void installe();
// A font of the family with a size in pixels (optionally bold).
QFont police(const QString& famille, int pixels, bool gras = false);
}
