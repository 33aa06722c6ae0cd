#pragma once
// The shared procedures on the state that work on controls: centring and the list fillers.
#include <QString>

struct SharedState;
class QWidget;
class QComboBox;
class QListWidget;

// Moves a control so that it is centred horizontally on a reference control.
void CentreHorizontalement(SharedState& etat, QWidget* reference, QWidget* controle);

// The list fillers: every line of the file that does not begin with "-" or ">", in file order.
void RemplitComboDepuisFichier(SharedState& etat, const QString& fichier, QComboBox* liste);
void RemplitListeDepuisFichier(SharedState& etat, const QString& fichier, QListWidget* liste);
void RemplitElevesAParametrer(SharedState& etat, const QString& fichier, QListWidget* liste);
