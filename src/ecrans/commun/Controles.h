#pragma once
// Control kinds the screen fitting tells apart besides Qt's own: a panel (a container whose
// children are fitted with it unless the screen places them itself) and a shape with a pen.
#include <QColor>
#include <QFrame>

class Panneau : public QFrame {
    Q_OBJECT
public:
    explicit Panneau(QWidget* parent, const QString& nomObjet, const QColor& fond = QColor());
    void setFond(const QColor& fond);
};

// A filled ellipse or rounded rectangle with an outline of a given pen width.
class Forme final : public QWidget {
    Q_OBJECT
public:
    enum class Genre { Cercle, Rectangle };
    Forme(QWidget* parent, const QString& nomObjet, Genre genre, const QColor& remplissage, const QColor& trait = Qt::black,
          int epaisseur = 1);
    int epaisseur() const { return epaisseur_; }
    void setEpaisseur(int e);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Genre genre_;
    QColor remplissage_, trait_;
    int epaisseur_;
};

// Design-time marks read by the screen fitting.
namespace Marques {
// A label that sizes itself to its text.
void tailleAuTexte(QWidget* label);
bool estTailleAuTexte(const QWidget* label);
// A control anchored to the left, right and bottom edges: its top is not scaled.
void ancreEnBas(QWidget* controle);
bool estAncreEnBas(const QWidget* controle);
// A panel fitted in its proportions (the smaller of the two factors, centred in its fitted
// place), its children with it: a bubble with its caption and field stays round and whole.
void gardeProportions(QWidget* panneau);
bool estProportionne(const QWidget* panneau);
// A panel whose contents the screen places itself: the fitting leaves its children alone.
void contenuPlaceParLEcran(QWidget* panneau);
bool estContenuPlaceParLEcran(const QWidget* panneau);
}
