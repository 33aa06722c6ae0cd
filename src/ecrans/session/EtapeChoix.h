#pragma once
// A numbered step of the free-practice chooser: a rounded band with its number and what to choose
// ("Choisis le signe"), lit while it is the step to take, faded while it waits, marked once done,
// its choices in one row. The arrows move between its choices. It places its own children at the
// display's scale (its smaller ratio to the design), so pictures keep their shapes at any ratio.
#include "logique/session/ChoixOperateur.h"

#include <QList>
#include <QWidget>

class CaseChoix;
class QLabel;

class EtapeChoix final : public QWidget {
    Q_OBJECT
public:
    EtapeChoix(QWidget* parent, const QString& nomObjet, int numero, const QString& titre);

    CaseChoix* ajouteCase(const QString& nomObjet, const QString& nomAccessible, const QSize& design);
    const QList<CaseChoix*>& cases() const { return cases_; }

    void montreEtat(ChoixOperateur::EtatEtape etat);
    ChoixOperateur::EtatEtape etat() const { return etat_; }
    // Where the keyboard enters the step: its chosen choice, else its first one that can be chosen.
    CaseChoix* entree() const;
    // The width of the band's outline at this state, in pixels.
    int epaisseurBord() const;
    // Its title and choices laid out in its band, at the display's scale and in the texts' look.
    void dispose();

protected:
    void resizeEvent(QResizeEvent*) override;
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The choices in one row, centred in the zone; false when they do not fit it at the display's
    // scale and `reduire` does not let them shrink.
    bool range(const QRect& zone, bool reduire);
    QRect pastille() const;

    int numero_;
    QLabel* numeroTexte_;
    QLabel* titre_;
    QList<CaseChoix*> cases_;
    ChoixOperateur::EtatEtape etat_ = ChoixOperateur::EtatEtape::Attend;
    double echelle_ = 1.0;
};
