#include "logique/base/CelluleCsv.h"

namespace CelluleCsv {
QString valeur(const QString& valeur) {
    const bool coupe = valeur.contains(QLatin1Char(';')) || valeur.contains(QLatin1Char('"')) ||
                       valeur.contains(QLatin1Char('\n')) || valeur.contains(QLatin1Char('\r')) ||
                       valeur.startsWith(QLatin1Char(' '));
    if (!coupe) return valeur;
    return QLatin1Char('"') + QString(valeur).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString texte(const QString& texte) {
    static const QString Formules = QStringLiteral("=+-@\t\r");
    const bool formule = !texte.isEmpty() && Formules.contains(texte.front());
    return valeur(formule ? QLatin1Char('\'') + texte : texte);
}
}  // namespace CelluleCsv
