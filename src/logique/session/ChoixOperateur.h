#pragma once
// The free-practice choices written into the shared state: the operation of the tables, the
// timing creature and the settings every free exercise starts from; the chooser's steps and what
// the fish asks for.
#include <QString>

#include <array>

struct SharedState;

namespace ChoixOperateur {
enum class Creature { Requin, Pirate, Baleine };
enum class Manque { Rien, Exercice, Signe, Temps };

// The three choices as the screen numbers its steps: 1 the sign, 2 the game, 3 the time.
constexpr int NombreEtapes = 3;
// A step is done once its choice is made; the first step not done is the one to take now (lit),
// the others wait. Choices may still be made in any order.
enum class EtatEtape { Attend, EnCours, Faite };
std::array<EtatEtape, NombreEtapes> etatsDesEtapes(bool signeChoisi, bool exerciceChoisi, bool tempsChoisi);

// Shark and pirate give ten seconds per answer (the pirate comes for the coin, the shark's
// bubble rises); the whale gives no time limit.
void choisitCreature(SharedState& etat, Creature creature);

// What is still to choose before playing: the first step not done, in the steps' order, so that
// the fish asks for the step the screen lights.
Manque manque(int typeExercice, bool signeChoisi, bool tempsChoisi);
// What the fish says about it (empty for Rien).
QString parole(Manque manque);

// Settings of a free exercise: help with drawings, no number strip, no special case or option.
void prepareExerciceLibre(SharedState& etat);
}  // namespace ChoixOperateur

// Writes the operation (0 addition, 1 subtraction, 2 multiplication, 3 division) into every table
// entry. A pupil without any entry gets the tables 1 to 10 on 1..10, so a free exercise always
// has questions to ask.
void RempliSigneDansTableAEntrainer(SharedState& etat, int operation);
