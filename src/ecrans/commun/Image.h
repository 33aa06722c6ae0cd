#pragma once
// A picture control: a built-in drawing or a loaded picture, stretched to the control's size,
// optionally clickable with a hand cursor. A clickable picture is also reached with Tab, shows
// the keyboard's ring, and Enter or Space clicks it.
#include <QPixmap>
#include <QWidget>

class Image final : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent, const QString& nomObjet, const QString& dessin = {});
    void setDessin(const QString& nom);
    void setPixmap(const QPixmap& image);
    const QString& nomDessin() const { return dessin_; }
    void setCliquable(bool cliquable);
    // Takes clicks: a hand over it, a button for a screen reader (Accessibilite).
    bool cliquable() const { return cliquable_; }
    // Draws the picture in these proportions (its design size), centred in its fitted place;
    // without it the picture fills its place.
    void gardeProportions(const QSize& design);
    // A scene: fills its place in its proportions, cut at the top and the sides (its ground stays
    // at the bottom).
    void couvre();

signals:
    void clique();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString dessin_;
    QPixmap image_;
    QPixmap cache_;
    QSize cachePour_;
    QSize proportions_;
    bool couvre_ = false;
    bool cliquable_ = false;
    bool anneau_ = false;
};
