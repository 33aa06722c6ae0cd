#pragma once
// The number strip at the bottom of the sea: ten rows of tiles 0 to 100, shown up to the row the
// settings ask for (`BandeNumerique` 0..9; 10 = no strip). A click on a tile says its number.
#include "ecrans/commun/Controles.h"

class QLabel;

class BandeNumeros final : public Panneau {
    Q_OBJECT
public:
    // `SoutientBandeNum` at 248, 356 with rows `BandeNum0` … `BandeNum90` and tiles `Num0` … `Num100`.
    explicit BandeNumeros(QWidget* ecran);
    // Shows rows 0 to k at their place (a short strip sits lower, from the design top `hautDesign`
    // scaled), ending above `basMax` (the sand), or hides the strip for any other k.
    void affiche(int k, int hautDesign, int basMax);
    QLabel* tuile(int numero) const { return tuiles_[numero]; }

signals:
    void numeroClique(int numero);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    Panneau* rangees_[10] = {};
    QLabel* tuiles_[101] = {};
};
