#pragma once
// Rewrites the position line "(N)" of a pupil's parameter file: every other line is kept byte for
// byte, each line is written with CR LF, and the file is replaced atomically under its Verrou.
#include <QString>

void ReecritLignePosition(const QString& cheminParametres, const QString& nouvelleLigne);
// "(" + n + ")"
QString LigneDePosition(int numero);
