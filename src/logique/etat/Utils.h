#pragma once
// Small shared procedures on the shared state.
#include <QString>
#include <QStringList>

struct SharedState;

// Puts every training setting back to its default; identity, folders, position and timings stay.
void InitialiseParametres(SharedState& etat);
// True when the whole text is a signed 32-bit whole number (see Nombres).
bool EstUnNombre(SharedState& etat, const QString& texte);
// The lines a list filler (UtilsEcran) shows from a file's lines.
QStringList LignesDeListe(const QStringList& lignes);

// The current pupil's files in the class folder of the state (NomsDossier names).
QString FichierParametrageEleve(const SharedState& etat);
QString FichierProfilEleve(const SharedState& etat);
