#pragma once
// A push button drawn as a rounded, outlined, coloured card with bold text. It keeps its
// parent's font (only made bold when drawn), so the screen fitting scales it like the rest.
// Enter or Space presses it; the keyboard's ring shows on it once the keyboard is in use.
#include <QColor>
#include <QPushButton>

class BoutonRond final : public QPushButton {
    Q_OBJECT
public:
    BoutonRond(QWidget* parent, const QString& nomObjet, const QString& texte, const QColor& fond, const QColor& encre);
    // Text size relative to the (fitted) font, for a button that must stand out.
    void setEchelleTexte(double echelle) { echelleTexte_ = echelle; }
    // The font its text is drawn with: its own, bold, at its text scale.
    QFont policeDessinee() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QColor fond_, encre_;
    double echelleTexte_ = 1.0;
};
