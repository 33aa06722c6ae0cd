#include "ecrans/commun/Dessins.h"

#include "logique/base/Erreurs.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace Dessins {
QSvgRenderer* dessin(const QString& nom) {
    static QHash<QString, QSvgRenderer*> cache;
    auto it = cache.find(nom);
    if (it != cache.end()) return it.value();
    const QString chemin = QStringLiteral(":/svg/%1.svg").arg(nom);
    QSvgRenderer* r = nullptr;
    if (QFileInfo::exists(chemin)) {
        r = new QSvgRenderer(chemin);
        if (!r->isValid()) {
            delete r;
            r = nullptr;
        }
    }
    cache.insert(nom, r);
    return r;
}

QString dessinDeSecours(const QString& cheminRelatif) {
    const QFileInfo info(cheminRelatif);
    const QString dossier = info.dir().dirName().toLower();
    const QString base = info.completeBaseName();
    if (base == QLatin1String("FondMarin")) return QStringLiteral("fond_marin");
    if (dossier == QLatin1String("tortues") || dossier == QLatin1String("dominos")) return dossier + QLatin1Char('_') + base;
    return base.toLower();
}

QPixmap rendu(const QString& nom, const QSize& taille) {
    QPixmap image(taille.isValid() && !taille.isEmpty() ? taille : QSize(1, 1));
    image.fill(Qt::transparent);
    if (auto* r = dessin(nom)) {
        QPainter p(&image);
        r->render(&p);
    }
    return image;
}

QPixmap charge(const QString& cheminRelatif, const QSize& taille) {
    // The six screens with the sea behind them load the same picture at the same size at
    // start-up: it is decoded (or drawn) once and shared. A file replaced by the teacher has a new
    // date and is read again.
    struct Entree {
        QDateTime date;
        QPixmap image;
    };
    static QHash<QString, Entree> deja;
    const QFileInfo info(cheminRelatif);
    const bool fichier = info.isFile();
    const QDateTime date = fichier ? info.lastModified() : QDateTime();
    const QString cle = QStringLiteral("%1|%2x%3").arg(cheminRelatif).arg(taille.width()).arg(taille.height());
    const auto it = deja.constFind(cle);
    if (it != deja.constEnd() && it->date == date) return it->image;
    QPixmap image;
    if (!(fichier && image.load(cheminRelatif))) {
        const QString secours = dessinDeSecours(cheminRelatif);
        if (!dessin(secours)) throw ErreurFichier(QStringLiteral("L'image « %1 » est introuvable.").arg(cheminRelatif));
        image = rendu(secours, taille);
    }
    deja.insert(cle, {date, image});
    return image;
}
}  // namespace Dessins
