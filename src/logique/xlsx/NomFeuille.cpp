#include "logique/xlsx/NomFeuille.h"

namespace {
QString remplaceBlancs(const QString& eleve) {
    QString nom = eleve;
    nom.replace(QLatin1Char(' '), QLatin1Char('_'));
    return nom;
}
}  // namespace

namespace NomFeuille {
QString souhaite(const QString& eleve) {
    QString nom = remplaceBlancs(eleve).left(Longueur);
    for (QChar& c : nom)
        if (QStringLiteral("[]:*?/\\").contains(c) || c.unicode() < 0x20) c = QLatin1Char('_');
    if (nom.startsWith(QLatin1Char('\''))) nom[0] = QLatin1Char('_');
    if (nom.endsWith(QLatin1Char('\''))) nom[nom.size() - 1] = QLatin1Char('_');
    if (nom.isEmpty()) nom = QStringLiteral("_");
    // A name the spreadsheet keeps for itself.
    if (memeNom(nom, QStringLiteral("History"))) nom += QLatin1Char('_');
    return nom;
}

bool estIntact(const QString& eleve) { return souhaite(eleve) == remplaceBlancs(eleve); }

bool memeNom(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString unique(const QString& nom, const QStringList& pris) {
    auto libre = [&](const QString& candidat) {
        for (const QString& p : pris)
            if (memeNom(p, candidat)) return false;
        return true;
    };
    if (libre(nom)) return nom;
    for (int n = 2;; ++n) {
        const QString suffixe = QStringLiteral("~%1").arg(n);
        const QString candidat = nom.left(Longueur - suffixe.size()) + suffixe;
        if (libre(candidat)) return candidat;
    }
}

bool peutVenirDe(const QString& nom, const QString& souhaite) {
    if (memeNom(nom, souhaite)) return true;
    const int tilde = nom.lastIndexOf(QLatin1Char('~'));
    if (tilde <= 0 || tilde == nom.size() - 1) return false;
    for (int i = tilde + 1; i < nom.size(); ++i)
        if (!nom[i].isDigit()) return false;
    return souhaite.startsWith(nom.left(tilde), Qt::CaseInsensitive);
}
}  // namespace NomFeuille
