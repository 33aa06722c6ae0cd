#pragma once
// Small shared procedures on the shared state.
#include <QString>

struct SharedState;
class QWidget;
class QComboBox;
class QListWidget;

// Puts every training setting back to its default; identity, folders, position and timings stay.
void InitialiseParametres(SharedState& etat);
// True when the whole text is a signed 32-bit whole number (see Nombres).
bool EstUnNombre(SharedState& etat, const QString& texte);
// Moves a control so that it is centred horizontally on a reference control.
void CentreHorizontalement(SharedState& etat, QWidget* reference, QWidget* controle);

// The list fillers: every line of the file that does not begin with "-" or ">", in file order.
void RemplitComboDepuisFichier(SharedState& etat, const QString& fichier, QComboBox* liste);
void RemplitListeDepuisFichier(SharedState& etat, const QString& fichier, QListWidget* liste);
void RemplitElevesAParametrer(SharedState& etat, const QString& fichier, QListWidget* liste);

// The lines a list filler shows from a file's lines.
QStringList LignesDeListe(const QStringList& lignes);

// Path forms of the class folders ("/"-separated, relative to the working folder).
QString RepertoireDeClasse(const QString& enseignant);
QString FichierParametrageEleve(const SharedState& etat);
QString FichierProfilEleve(const SharedState& etat);
