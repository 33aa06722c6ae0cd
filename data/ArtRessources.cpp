#include "ArtRessources.h"

namespace marivelle {

QString cheminSvg(QStringView nom)
{
    return QStringLiteral(":/svg/%1.svg").arg(nom);
}

} // namespace marivelle
