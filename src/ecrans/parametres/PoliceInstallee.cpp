#include "ecrans/parametres/PoliceInstallee.h"

#include <QFontDatabase>
#include <QStringList>

namespace PoliceInstallee {
bool presente(const QString& famille) { return QFontDatabase::families().contains(famille, Qt::CaseInsensitive); }
}
