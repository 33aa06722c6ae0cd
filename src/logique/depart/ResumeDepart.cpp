#include "logique/depart/ResumeDepart.h"

#include "logique/base/FormatFr.h"

namespace Depart {
QString resume(const Estimations& estimations) {
    QStringList sues, aTravailler;
    for (int t = 1; t <= Cote; ++t) {
        // Table t: t×1 … t×10 and 1×t … 10×t, as a pupil learns it both ways.
        double somme = 0;
        for (int b = 1; b <= Cote; ++b) somme += estimations[indexFait(t, b)] + estimations[indexFait(b, t)];
        const double moyenne = somme / (2 * Cote);
        if (moyenne >= TableSue) sues << QString::number(t);
        else if (moyenne < TableATravailler) aTravailler << QString::number(t);
    }
    QString connues;
    if (sues.size() == Cote) connues = QStringLiteral("connaît sûrement toutes les tables");
    else if (sues.isEmpty()) connues = QStringLiteral("ne connaît encore sûrement aucune table");
    else if (sues.size() == 1) connues = QStringLiteral("connaît sûrement la table de ") + sues.first();
    else connues = QStringLiteral("connaît sûrement les tables de ") + FormatFr::enumeration(sues);
    if (aTravailler.isEmpty()) return connues;
    return connues + QStringLiteral(" ; à travailler : ") + aTravailler.join(QStringLiteral(", "));
}
}  // namespace Depart
