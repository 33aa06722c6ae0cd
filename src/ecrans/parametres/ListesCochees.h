#pragma once
// The check lists of the settings screen: entries added ticked or not, and read back.
#include <QListWidget>

namespace ListesCochees {
inline QListWidgetItem* ajouteCoche(QListWidget* liste, const QString& texte, bool coche) {
    auto* item = new QListWidgetItem(texte, liste);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(coche ? Qt::Checked : Qt::Unchecked);
    // The whole text on hover, wherever the list has to wrap or cut it.
    item->setToolTip(texte);
    return item;
}

inline bool estCoche(const QListWidgetItem* item) { return item->checkState() == Qt::Checked; }

inline void cocheTout(QListWidget* liste, bool coche) {
    for (int i = 0; i < liste->count(); ++i) liste->item(i)->setCheckState(coche ? Qt::Checked : Qt::Unchecked);
}
}
