#pragma once
// Controls laid over one another: every pair of visible, named sibling widgets of a screen whose
// rectangles meet, as "a / b".
#include <QStringList>
#include <QWidget>

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
