#pragma once
// What the fish says (`Perdu`): lost-question messages, "Tu n'as pas rentré un nombre !",
// "Bravo !". A speech bubble as wide as its text, up to its designed width, lines balanced.
#include <QLabel>
#include <QStringList>

class BulleParole final : public QLabel {
    Q_OBJECT
public:
    // Design place 657, 300, 330 × 92 (moved beside the speaking fish by the screen).
    explicit BulleParole(QWidget* ecran);
    // Call once the screen is fitted: the fitted width is the widest the bubble gets.
    void retientLargeur() { largeurRetenue_ = largeurMax_ = width(); }
    void dit(const QString& texte);
    // One of the lost-question messages, drawn at random.
    void ditMessagePerdu();
    // Beside a fish: its left edge 30 pixels inside the fish's right edge, `bas` pixels below a
    // third of its height; higher where a speech would run off the screen there.
    void placePres(const QWidget* poisson, int bas = 0);
    // Under a fish (the solution's card): its left edge a little left of the fish's, no wider
    // than the screen leaves it. A speech that would reach the quit picture there goes left of
    // the card instead, where the water is free.
    void placeSous(const QWidget* poisson);
    // Left of a fish, its middle level with the fish's, wherever the fish is when it speaks.
    void placeAGaucheDe(const QWidget* poisson) { aGaucheDe_ = poisson; }

private:
    // As narrow as the text allows within the width allowed, as tall as it then needs.
    void ajuste(const QString& texte);
    // The lowest its bottom may go: on the screen, and above the quit picture on its right.
    int basPermis() const;
    bool tient() const;
    // Left of the card, level with the fish drawn at its foot, as wide as designed: true when the
    // speech holds there and covers nothing the screen shows but its sea.
    bool tientAGaucheDe(const QWidget* carte, const QString& texte);
    // Beside its fish, as much higher as it needs: true when it covers nothing there but the fish.
    bool tientPlusHaut();
    void placeAGauche();
    bool couvreRien(const QWidget* sauf) const;
    QStringList messages_;
    const QWidget* carte_ = nullptr;      // the card it is said under, if any
    const QWidget* parleur_ = nullptr;    // the fish it is said beside, if any
    const QWidget* aGaucheDe_ = nullptr;  // the fish it is said left of, if any
    QPoint place_;                        // where either put it
    int largeurPlace_ = 330;
    int largeurRetenue_ = 330;
    int largeurMax_ = 330;
};
