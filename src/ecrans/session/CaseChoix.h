#pragma once
// One choice of the free-practice chooser: its picture (with the highlighted twin, and any cover,
// at the same place), its name in large type under it, and a ring around both while the keyboard
// is on it. A click anywhere on it, Enter or Space chooses it. It places its own children, at the
// scale it is given: the screen fitting leaves them alone.
#include <QList>
#include <QSize>
#include <QWidget>

class Image;
class QLabel;

class CaseChoix final : public QWidget {
    Q_OBJECT
public:
    // `design`: the picture's size on the 1024 × 768 design; its drawings keep these proportions.
    CaseChoix(QWidget* parent, const QString& nomObjet, const QString& nomAccessible, const QSize& design);

    // A picture drawn at the choice's place: the first is the picture, the second its highlighted
    // twin (hidden until chosen), any other a cover the screen shows when it needs.
    Image* ajouteImage(const QString& nomObjet, const QString& dessin);
    // The name shown under the picture; `nomObjet` names its label.
    void nomme(const QString& nomObjet, const QString& texte);
    QLabel* nom() const { return nom_; }

    // The scale of the display against the design (its smaller ratio): picture, type, ring.
    void metALEchelle(double k);
    // The size it takes at that scale: its picture, its name whole, the ring's margin around.
    QSize tailleVoulue() const;

    // Shows the twin instead of the picture.
    void montreChoisie(bool choisie);
    // The cover (the third picture) in place of the picture and its twin: this choice cannot be
    // made for now, with the mouse or the keys; what was chosen stays chosen.
    void couvre(bool couverte);
    bool estChoisie() const { return choisie_; }
    // A step that waits shows its pictures faded; its names stay as they are, readable.
    void estompe(bool estompee);
    bool estEstompee() const { return estompee_; }
    // The ring's thickness in pixels, drawn while the keyboard is on it.
    int epaisseurAnneau() const;
    // The keyboard comes here: the ring moves from where it was, even while the window is not
    // the active one (a display without a window manager).
    void prendLeClavier(Qt::FocusReason raison);
    bool aLeClavier() const;

signals:
    // Chosen with the mouse, or with Enter or Space (`auClavier`).
    void choisie(bool auClavier);

protected:
    void resizeEvent(QResizeEvent*) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int marge() const;
    void dispose();

    QSize design_;
    QList<Image*> images_;
    QLabel* nom_ = nullptr;
    double echelle_ = 1.0;
    bool choisie_ = false;
    bool couverte_ = false;
    bool estompee_ = false;
};
