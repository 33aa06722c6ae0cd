#include "logique/base/Accents.h"

namespace Accents {
QString retire(const QString& texte) {
    // Decomposed, an accented letter is its base letter followed by the accent's own mark.
    QString lettres = texte.normalized(QString::NormalizationForm_D);
    lettres.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return lettres;
}
}  // namespace Accents
