#pragma once
// A panel drawn as a rounded, outlined card; a Panneau, so the screen fitting fits its children.
#include "ecrans/commun/Controles.h"

class PanneauArrondi final : public Panneau {
    Q_OBJECT
public:
    PanneauArrondi(QWidget* parent, const QString& nomObjet, const QColor& couleur);
    const QColor& couleur() const { return couleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor couleur_;
};
