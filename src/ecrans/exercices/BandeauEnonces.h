#pragma once
// The statements' band at the top of an exercise screen: a soft rounded, translucent panel over
// the sea, as wide as the longest line of the statements shown and as tall as their lines. It
// follows them when they show, hide or move, and is hidden with them.
#include <QList>
#include <QWidget>

class QLabel;

class BandeauEnonces final : public QWidget {
    Q_OBJECT
public:
    // Made behind the statements: before them on the same screen.
    BandeauEnonces(QWidget* ecran, const QList<QLabel*>& enonces);
    // Around the statements' text as they stand (after their texts or places changed).
    void ajuste();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    QList<QLabel*> enonces_;
};
