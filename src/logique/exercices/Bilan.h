#pragma once
// What the end-of-exercise summary shows: the fish chosen by the success rate, the score message
// in the teacher's feedback mode, and the coins that fall into the chest, one per right answer.
#include <QString>
#include <optional>

namespace Bilan {
enum class Poisson { Bien, Bof, Nul };

// Good above 70 %, middling above 40 %, poor otherwise (both limits strict).
Poisson choisitPoisson(int bonnesReponses, int questions);

// The score message for feedback mode 0 (right answers), 1 (right answers out of questions) or
// 2 (errors); no message for any other mode, and the screen keeps its previous text.
std::optional<QString> message(int retroaction, int bonnesReponses, int questions, int erreurs);

// How far the coin falls in one tick: faster as it goes down.
int pasDeChute(int hautPiece, int hautDevantCoffre);

// The coins dropped one after the other into the chest. With no right answer one invisible coin
// falls once, so the screen ends the same way.
class Pluie {
public:
    static constexpr int Gauche = 536;
    static constexpr int HautDepart = 72;
    static constexpr int HautDevantCoffre = 390;

    explicit Pluie(int bonnesReponses = 0) : bonnes_(bonnesReponses) {}
    // Puts the next coin at its start; false when every coin has landed (finie() turns true).
    bool lance();
    // One tick of the falling coin; true when it has passed the chest front's top.
    bool tombe();

    int haut() const { return haut_; }
    int lancees() const { return lancees_; }
    bool finie() const { return finie_; }
    // The coins and the "Cling" are seen only when there is at least one right answer.
    bool visible() const { return bonnes_ != 0; }

private:
    int bonnes_;
    int lancees_ = 0;
    int haut_ = HautDepart;
    bool finie_ = false;
};
}  // namespace Bilan
