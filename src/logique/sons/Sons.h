#pragma once
// Everything the program makes heard: the effects at their moments and the voice that reads the
// statements and the questions, each when the pupil's class has it switched on. Without a sound
// device or a speech engine nothing is heard and nothing fails.
#include "logique/sons/Sortie.h"

#include <QString>

#include <memory>

namespace Sons {
// The class's two switches ("Sons", "Lire les consignes et les questions à voix haute"). Both off
// until a class says otherwise.
struct Reglages {
    bool sons = false;
    bool voix = false;
    bool operator==(const Reglages&) const = default;
};
// When an exercise starts: the class's switches; with effects on they are loaded then.
void regle(const Reglages& reglages);
const Reglages& reglages();

void joue(Effet effet);
// The statement of an exercise: what was being said stops.
void litConsigne(const QString& texte);
// A question: said after the statement, or after the question still being said.
void litQuestion(const QString& texte);
// Whether a French voice answers, told later on the GUI thread: the settings screen tells a
// teacher who ticks the voice. Loads the output when needed.
void chercheVoix(std::function<void(bool)> reponse);

// Tests: the output in place of the module's (null: the module again, loaded on next need).
void installeSortie(std::unique_ptr<Sortie> sortie);
}  // namespace Sons
