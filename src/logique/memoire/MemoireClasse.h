#pragma once
// What the whole class's answers so far say about a fact: how often the class gets it right at
// the first try, beside how often it gets its operation right. It follows a class into what it
// has not yet practised (an operation begun mid-year) where fitted weights know nothing yet,
// as an item's rating does in adaptive practice.
#include "logique/memoire/MemoireEleve.h"

class MemoireClasse final {
public:
    // The answers must come in the order they were given, all pupils together.
    void apprend(const ReponseResumee& reponse);
    // Fills ClasseOperation and ClasseFait.
    void complete(const Fait& fait, Caracteristiques& c) const;

private:
    struct Compte {
        double justes = 0;
        double questions = 0;
    };
    Compte tout_;
    std::array<Compte, 4> operations_{};  // decaying: the class's recent answers
    QHash<qint64, Compte> faits_;
};
