#pragma once
// Deletions that can never reach outside the working folder: a folder is removed only when it
// is a direct child of the working folder, and symbolic links met on the way are removed
// themselves, never followed.
#include <QString>

namespace SuppressionSure {
// Removes the folder (a name in the working folder) with everything in it. False when there
// was nothing to remove. Throws ErreurFichier when the name does not designate a folder directly
// in the working folder, or when something in it cannot be removed.
bool supprimeDossier(const QString& nom);
// Removes a file of a folder directly in the working folder when it exists. A name that would
// lead out of that folder, or a folder that is itself a link, is left alone. A file that is a
// symbolic link is removed itself.
void supprimeFichier(const QString& dossier, const QString& nom);
}
