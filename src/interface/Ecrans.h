#pragma once
// The screens, created once at start-up and kept until the program ends; the driver and the
// screens show and hide each other through here.
#include <QString>
#include <functional>

class QWidget;
class QDialog;

namespace Ecrans {
enum class Role { SaisieIdentifiant, Accueil, ChoixOperateur, Exo1, Parametrage, Exo3, Exo2, Exo4, Form1, Revision, SuiviEleves };

// Registers a screen; an exercise screen also says which exercise kind (1..5) it plays.
void enregistre(Role role, QWidget* ecran, int typeExercice = 0);
QWidget* ecran(Role role);
// The screen registered for an exercise kind, or null.
QWidget* exercice(int typeExercice);
// Shows one screen (raised and activated).
void montre(Role role);
void cache(Role role);
// Shows the summary screen modally and returns when it is closed.
void montreBilan();
// Ends the program (tests replace the ending).
void termine();
void remplaceFin(std::function<void()> fin);
}
