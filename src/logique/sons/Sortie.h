#pragma once
// How effects and the voice reach the loudspeaker. The real output lives in a module loaded on
// first need (src/ecrans/sons), so that starting the program loads no sound or speech library; tests
// put a recorder in its place.
#include <QString>

#include <functional>

// The program's effects, one short sound file each (data/sons).
enum class Effet { Piece, Cling, Bulle, Juste, Faux, Pirate };
constexpr int NombreEffets = 6;

// "piece.wav": the effect's file, among the module's resources as ":/sons/<file>".
inline QString FichierEffet(Effet effet) {
    static const char* const noms[NombreEffets] = {"piece.wav", "cling.wav", "bulle.wav", "juste.wav", "faux.wav", "pirate.wav"};
    return QString::fromLatin1(noms[static_cast<int>(effet)]);
}

class Sortie {
public:
    virtual ~Sortie() = default;
    // An exercise starts with the effects on: each one loaded now, so that none waits at its moment.
    virtual void prepareEffets() = 0;
    virtual void joue(Effet effet) = 0;
    // `interrompt`: what is being said stops. Otherwise the text waits until it is said, in place
    // of any text already waiting.
    virtual void dit(const QString& texte, bool interrompt) = 0;
    // Whether a speech engine with a French voice answers, told later on the GUI thread (the
    // engine may take seconds).
    virtual void chercheVoix(std::function<void(bool)> reponse) = 0;
};

// The module's one entry point, looked up by name.
extern "C" {
using FabriqueSortie = Sortie* (*)();
}
#define MARIVELLE_FABRIQUE_SORTIE "marivelle_cree_sortie"
