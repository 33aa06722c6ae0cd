#pragma once
// Controls laid over one another.
#include "ecrans/commun/Image.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegion>
#include <QRegularExpression>
#include <QtMath>
#include <QStringList>
#include <QWidget>
#include <algorithm>

// Every pair of visible, named sibling widgets of a screen whose rectangles meet, as "a / b".
inline QStringList recouvrements(QWidget* ecran) {
    QStringList trouves;
    QList<QWidget*> parents = ecran->findChildren<QWidget*>();
    parents << ecran;
    for (QWidget* parent : parents) {
        QList<QWidget*> freres;
        for (QWidget* w : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!w->isWindow() && w->isVisibleTo(ecran) && !w->objectName().isEmpty() &&
                !w->objectName().startsWith(QLatin1String("qt_")))
                freres << w;
        for (qsizetype i = 0; i < freres.size(); ++i)
            for (qsizetype j = i + 1; j < freres.size(); ++j)
                if (freres[i]->geometry().intersects(freres[j]->geometry()))
                    trouves << freres[i]->objectName() + QStringLiteral(" / ") + freres[j]->objectName();
    }
    return trouves;
}

// Every visible label of a screen whose text runs out of its contents, as "name tronqué": the
// lines of a wrapped text taller or wider than it; one line's advance wider, its ink taller.
inline QStringList textesTronques(QWidget* ecran) {
    QStringList trouves;
    for (const QLabel* l : ecran->findChildren<QLabel*>()) {
        if (l->objectName().isEmpty() || !l->isVisibleTo(ecran) || l->text().isEmpty()) continue;
        const QRect place = l->contentsRect();
        const QFontMetrics m = l->fontMetrics();
        QString ecrit = l->text();
        while (ecrit.endsWith(QLatin1Char('\n'))) ecrit.chop(1);  // a closing line break shows no line
        const bool lignes = l->wordWrap() || ecrit.contains(QLatin1Char('\n'));
        const QSize texte = lignes ? m.boundingRect(place, int(l->alignment()) | Qt::TextWordWrap, ecrit).size()
                                   : QSize(m.horizontalAdvance(ecrit), m.tightBoundingRect(ecrit).height());
        // The spacing a pupil's look adds after a line's last letter is no ink.
        const int blanc = qCeil(l->font().letterSpacing());
        if (texte.width() - blanc > place.width() || texte.height() > place.height())
            trouves << l->objectName() + QStringLiteral(" tronqué");
    }
    return trouves;
}

// What a control paints, in its screen's coordinates: a bubble its disc, a label without a
// background its text (the ink of one line, the lines of several), any other control its
// rectangle. Empty for a control that paints nothing (a panel without background, a label
// without text).
inline QRegion dessinDe(const QWidget* w, const QWidget* ecran) {
    const QRect place(w->mapTo(ecran, QPoint()), w->size());
    if (auto* i = qobject_cast<const Image*>(w); i && i->nomDessin().startsWith(QLatin1String("bulle"))) {
        // Less its outer pixel: bubbles drawn side by side touch.
        const int cote = std::min(place.width(), place.height()) - 2;
        return QRegion(QRect(QPoint(), QSize(cote, cote)).translated(place.center() - QPoint(cote / 2, cote / 2)),
                       QRegion::Ellipse);
    }
    if (auto* l = qobject_cast<const QLabel*>(w); l && l->styleSheet().isEmpty() && !l->autoFillBackground()) {
        if (l->text().isEmpty()) return {};
        const QFontMetrics m = l->fontMetrics();
        const int drapeaux = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect lignes = m.boundingRect(l->contentsRect(), drapeaux, l->text()).translated(place.topLeft());
        if (l->wordWrap() || l->text().contains(QLatin1Char('\n'))) return lignes;
        return m.tightBoundingRect(l->text()).translated(lignes.left(), lignes.top() + m.ascent());
    }
    // A field without frame nor background paints its digits only, centred.
    if (auto* e = qobject_cast<const QLineEdit*>(w); e && !e->hasFrame() && e->palette().color(QPalette::Base).alpha() == 0) {
        const QFontMetrics m = e->fontMetrics();
        QRect encre(QPoint(), m.tightBoundingRect(e->text().isEmpty() ? QStringLiteral("00") : e->text()).size());
        encre.moveCenter(place.center());
        return encre;
    }
    const bool conteneur = w->metaObject() == &QWidget::staticMetaObject ||
                           QLatin1String(w->metaObject()->className()) == QLatin1String("Panneau");
    if (conteneur && !w->autoFillBackground()) return {};
    return place;
}

namespace detail {
// The widget and its ancestors up to the screen, the screen first.
inline QList<const QWidget*> lignee(const QWidget* w, const QWidget* ecran) {
    QList<const QWidget*> l;
    for (; w && w != ecran; w = w->parentWidget()) l.prepend(w);
    l.prepend(ecran);
    return l;
}
inline bool nomme(const QList<const QWidget*>& lignee, const QString& motif) {
    const QRegularExpression nom(QRegularExpression::anchoredPattern(motif));
    return std::any_of(lignee.begin(), lignee.end(), [&](const QWidget* w) { return nom.match(w->objectName()).hasMatch(); });
}
}  // namespace detail

// What covers what a child needs: every visible control painted over a needed one (its name
// matches `necessaires`) and meeting it, as "needed < over". A text wholly on a picture or a
// panel (a caption on its bubble, a number on a card, a statement on its band) is on it by
// design, as are the pairs of
// `permis` ("a/b", either way round, each a pattern of the name of the control or of one of its
// ancestors). Also every needed control not whole on the screen, as "needed < bord".
inline QStringList couvertures(QWidget* ecran, const QRegularExpression& necessaires, const QStringList& permis = {}) {
    struct Peint {
        const QWidget* w;
        QRegion region;
        QList<const QWidget*> lignee;
    };
    QList<Peint> peints;
    for (const QWidget* w : ecran->findChildren<QWidget*>())
        if (!w->isWindow() && w->isVisibleTo(ecran) && !w->objectName().isEmpty() &&
            !w->objectName().startsWith(QLatin1String("qt_")))
            if (QRegion r = dessinDe(w, ecran); !r.isEmpty()) peints.append({w, r, detail::lignee(w, ecran)});
    const auto permise = [&](const Peint& a, const Peint& b) {
        for (const QString& paire : permis) {
            const QStringList noms = paire.split(QLatin1Char('/'));
            if ((detail::nomme(a.lignee, noms[0]) && detail::nomme(b.lignee, noms[1])) ||
                (detail::nomme(a.lignee, noms[1]) && detail::nomme(b.lignee, noms[0])))
                return true;
        }
        return false;
    };
    QStringList trouves;
    for (const Peint& dessous : peints) {
        if (!necessaires.match(dessous.w->objectName()).hasMatch()) continue;
        if (!QRegion(ecran->rect()).contains(dessous.region.boundingRect()))
            trouves << dessous.w->objectName() + QStringLiteral(" < bord");
        for (const Peint& dessus : peints) {
            // Painted later: after it among the children of their closest common ancestor.
            qsizetype i = 0;
            while (i < dessous.lignee.size() && i < dessus.lignee.size() && dessous.lignee[i] == dessus.lignee[i]) ++i;
            if (i == dessous.lignee.size() || i == dessus.lignee.size()) continue;  // one holds the other
            const QObjectList& freres = dessous.lignee[i - 1]->children();
            if (freres.indexOf(dessus.lignee[i]) < freres.indexOf(dessous.lignee[i])) continue;
            if (!dessous.region.intersects(dessus.region) || permise(dessous, dessus)) continue;
            const bool texte = qobject_cast<const QLabel*>(dessus.w) || qobject_cast<const QLineEdit*>(dessus.w);
            const bool surSonFond = texte && !qobject_cast<const QLabel*>(dessous.w) &&
                                    dessus.region.subtracted(dessous.region).isEmpty();
            if (!surSonFond) trouves << dessous.w->objectName() + QStringLiteral(" < ") + dessus.w->objectName();
        }
    }
    return trouves;
}
