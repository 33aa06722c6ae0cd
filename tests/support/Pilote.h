#pragma once
// Driving screens as a user would: clicks on list entries, drop-down choices with the keyboard,
// typing one key per character, numbers typed into spin boxes, clicks queued behind others.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace Pilote {
template <typename T = QWidget>
T* controle(QWidget* ecran, const QString& nom) {
    T* trouve = ecran->findChild<T*>(nom);
    if (!trouve) qFatal("no control %s", qPrintable(nom));
    return trouve;
}

inline bool clique(QListWidget* l, const QString& texte) {
    const auto items = l->findItems(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (items.isEmpty()) return false;
    l->scrollToItem(items.first());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.first()).center());
    return true;
}

// Opens the drop-down, moves to the entry with the arrow keys and presses Enter.
inline bool choisit(QComboBox* c, const QString& texte) {
    const int cible = c->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (cible < 0) return false;
    c->showPopup();
    QAbstractItemView* vue = c->view();
    if (!vue->currentIndex().isValid()) QTest::keyClick(vue, Qt::Key_Down);
    int courant = vue->currentIndex().row();
    for (; courant < cible; ++courant) QTest::keyClick(vue, Qt::Key_Down);
    for (; courant > cible; --courant) QTest::keyClick(vue, Qt::Key_Up);
    QTest::keyClick(vue, Qt::Key_Return);
    return c->currentIndex() == cible;
}

// One key per character, accented letters included (a line or a text field).
inline void tape(QWidget* e, const QString& texte) {
    QTest::mouseClick(e, Qt::LeftButton);
    for (QChar c : texte) QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A click on the indicator of a radio or check box, anywhere on a push button.
inline void coche(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

// A number typed over the whole value of a spin box, then Tab.
inline void regle(QSpinBox* s, int valeur) {
    QTest::mouseClick(s, Qt::LeftButton);
    QTest::keyClick(s, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(s, QString::number(valeur));
    QTest::keyClick(s, Qt::Key_Tab);
}

// A click queued as fast hands make them: handled only when the events are processed.
inline void posteClic(QWidget* x) {
    const QPointF p(x->width() / 2.0, x->height() / 2.0);
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(x, new QMouseEvent(t, p, x->mapToGlobal(p), Qt::LeftButton,
                                                       t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {}));
}

inline QStringList textes(QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    return t;
}
inline QStringList textes(QComboBox* c) {
    QStringList t;
    for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
    return t;
}
}  // namespace Pilote
