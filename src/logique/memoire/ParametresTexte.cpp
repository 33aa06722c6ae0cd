#include "logique/memoire/ParametresTexte.h"

namespace {
const QString Entete = QStringLiteral("modele de memoire ajuste le");
QString nombre(double v) { return QString::number(v, 'g', 17); }
}  // namespace

namespace ParametresTexte {
QStringList lignes(const ParametresMemoire& p, qint64 ajusteLe) {
    QStringList l{Entete + QLatin1Char(' ') + QString::number(ajusteLe)};
    for (int k = 0; k < Caracteristique::Nombre; ++k) l << QStringLiteral("poids %1 %2").arg(k).arg(nombre(p.poids[k]));
    for (auto it = p.faits.cbegin(); it != p.faits.cend(); ++it) l << QStringLiteral("fait %1 %2").arg(it.key()).arg(nombre(*it));
    for (auto it = p.familles.cbegin(); it != p.familles.cend(); ++it)
        l << QStringLiteral("famille %1 %2").arg(it.key()).arg(nombre(*it));
    // The pupil's name last: it may hold spaces.
    for (auto it = p.eleves.cbegin(); it != p.eleves.cend(); ++it)
        l << QStringLiteral("eleve %1 %2 %3 %4 %5")
                 .arg(nombre(it->niveau), nombre(it->niveauGroupe[0]), nombre(it->niveauGroupe[1]), nombre(it->oubli), it.key());
    return l;
}

std::optional<Lus> lit(const QStringList& lignes) {
    if (lignes.isEmpty() || !lignes.first().startsWith(Entete)) return std::nullopt;
    Lus lus;
    bool ok = true;
    lus.ajusteLe = lignes.first().mid(Entete.size()).trimmed().toLongLong(&ok);
    int poids = 0;
    auto reel = [&ok](const QString& t) {
        bool bon = false;
        const double v = t.toDouble(&bon);
        ok = ok && bon;
        return v;
    };
    for (qsizetype i = 1; ok && i < lignes.size(); ++i) {
        const QStringList m = lignes[i].split(QLatin1Char(' '));
        if (m.size() == 3 && m[0] == QLatin1String("poids")) {
            const int k = m[1].toInt(&ok);
            if (ok && k >= 0 && k < Caracteristique::Nombre) {
                lus.parametres.poids[k] = reel(m[2]);
                ++poids;
            }
        } else if (m.size() == 3 && (m[0] == QLatin1String("fait") || m[0] == QLatin1String("famille"))) {
            const qint64 code = m[1].toLongLong(&ok);
            (m[0] == QLatin1String("fait") ? lus.parametres.faits : lus.parametres.familles).insert(code, reel(m[2]));
        } else if (m.size() >= 6 && m[0] == QLatin1String("eleve")) {
            TermesEleve e{reel(m[1]), {reel(m[2]), reel(m[3])}, reel(m[4])};
            lus.parametres.eleves.insert(m.mid(5).join(QLatin1Char(' ')), e);
        }
    }
    if (!ok || poids != Caracteristique::Nombre) return std::nullopt;
    return lus;
}
}  // namespace ParametresTexte
