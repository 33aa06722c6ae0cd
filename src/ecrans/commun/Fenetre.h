#pragma once
// Base of every screen: a borderless window placed at 0, 0 with a 1024 × 768 design client
// area, whose show handler runs under the event guard.
#include <QDialog>
#include <QWidget>

class Fenetre : public QWidget {
    Q_OBJECT
public:
    Fenetre(const QString& nomObjet, const QString& titre, const QColor& fond = QColor());

protected:
    // Runs each time the screen is shown.
    virtual void FormShow() {}
    void showEvent(QShowEvent* e) override;
    void setFond(const QColor& fond);
};

// The same for the one modal screen.
class FenetreModale : public QDialog {
    Q_OBJECT
public:
    FenetreModale(const QString& nomObjet, const QString& titre, const QSize& taille);

protected:
    virtual void FormShow() {}
    void showEvent(QShowEvent* e) override;
};
