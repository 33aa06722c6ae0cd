#pragma once
// The screens, created once and kept until the program ends; the driver and the screens show and
// hide each other through here. A screen may be announced rather than created: it is created when
// first asked for, or after the main window is on screen, always in the order of announcement.
#include <QString>
#include <functional>

class QWidget;
class QDialog;

namespace Ecrans {
enum class Role {
    SaisieIdentifiant,
    Accueil,
    ChoixOperateur,
    Exo1,
    Parametrage,
    Exo3,
    Exo2,
    Exo4,
    Form1,
    Revision,
    TestDepart,
    SuiviEleves
};

// Registers a screen; an exercise screen also says which exercise kind (1..6) it plays.
void enregistre(Role role, QWidget* ecran, int typeExercice = 0);
// Announces a screen created later: when it (or one announced after it) is first asked for, or by
// creeApresAffichage. Those announced before it are created first.
void annonce(Role role, std::function<QWidget*()> fabrique, int typeExercice = 0);
// Once the window has painted itself, creates the announced screens one per turn of the event
// loop, so the window is on screen before the others are built and no click waits long.
void creeApresAffichage(QWidget* fenetre);
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
// Tests: forgets every screen registered or announced (their owners delete them).
void oublieTout();
}
