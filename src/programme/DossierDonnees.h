#pragma once
// The data folder the program works in. Started with a folder on the command line, it works
// there; installed (started from the menu, or as "marivelle"), in ~/Marivelle; otherwise (a
// build started by lancer.sh) in the current folder. On first use the folder is created and the
// shipped pictures and messages are copied into it, never over a file already there.
#include <QString>
#include <QStringList>

namespace DossierDonnees {
// The shipped data folder "<prefix>/share/marivelle" of a program in "<prefix>/bin"; empty when
// the program is not installed.
QString dossierPartage(const QString& dossierProgramme);
// The data folder for these arguments (the program's name first).
QString choisit(const QStringList& arguments, const QString& dossierPartage, const QString& maison);
// Creates the folder when missing, copies from `partage` (when given) "Images/" and
// "MessagesPerdu.txt" without overwriting, and makes it the working folder. Throws ErreurFichier.
void prepare(const QString& dossier, const QString& partage);
// Removes the temporary copies that killed programs left in the working folder and its class
// folders, those older than a minute (another program may be writing younger ones). Returns
// how many went.
int nettoie();
}
