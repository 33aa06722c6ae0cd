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
    // scaled), never above `hautMin` (the counting pictures) and ending above `basMax` (the sand),
    // or hides the strip for any other k. Where the two leave less room than the strip needs (a
    // pupil's larger statements push the operation down), its rows come closer, their numbers
    // smaller in proportion.
    void affiche(int k, int hautDesign, int hautMin, int basMax);
    QLabel* tuile(int numero) const { return tuiles_[numero]; }

signals:
    void numeroClique(int numero);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // The rows and tiles as fitted to the display, kept to come back to after a closer strip.
    void retientTailles();
    void serre(double k);

    Panneau* rangees_[10] = {};
    QList<QRect> rangeesAjustees_, tuilesAjustees_;
    int policeAjustee_ = 0;
    QLabel* tuiles_[101] = {};
};
