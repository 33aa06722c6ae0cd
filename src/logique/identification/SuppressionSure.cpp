#include "logique/identification/SuppressionSure.h"

#include "logique/base/Erreurs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
[[noreturn]] void echec(const QString& texte, const QString& chemin) {
    throw ErreurFichier(texte.arg(QStringLiteral("« %1 »").arg(chemin)));
}

bool estLien(const QFileInfo& info) { return info.isSymLink() || info.isJunction(); }

// A name with no separator and no dot-only name is one entry of the folder it is taken in.
bool estUneEntree(const QString& nom) {
    return !nom.isEmpty() && !nom.contains(QLatin1Char('/')) && !nom.contains(QLatin1Char('\\')) && nom != QLatin1String(".") &&
           nom != QLatin1String("..");
}

void supprimeEntree(const QFileInfo& info) {
    const QString chemin = info.absoluteFilePath();
    bool ok;
    if (estLien(info))
        // The link itself goes; what it points to stays.
        ok = QFile::remove(chemin) || QDir().rmdir(chemin);
    else if (info.isDir()) ok = false;  // handled by the caller's recursion
    else ok = QFile::remove(chemin);
    if (!ok) echec(QStringLiteral("Impossible de supprimer %1."), chemin);
}

void videEtSupprime(const QString& dossier) {
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir() && !estLien(info)) videEtSupprime(info.absoluteFilePath());
        else supprimeEntree(info);
    }
    if (!QDir().rmdir(dossier)) echec(QStringLiteral("Impossible de supprimer le dossier %1."), dossier);
}
}  // namespace

namespace SuppressionSure {
bool supprimeDossier(const QString& nom) {
    const QDir travail(QDir::current().canonicalPath());
    if (!estUneEntree(nom))
        echec(QStringLiteral("Le dossier %1 n'est pas dans le dossier de travail : il n'a pas été supprimé."), nom);
    const QFileInfo info(travail.filePath(nom));
    if (estLien(info)) {
        supprimeEntree(info);
        return true;
    }
    if (!info.exists()) return false;
    if (!info.isDir()) echec(QStringLiteral("%1 n'est pas un dossier : il n'a pas été supprimé."), nom);
    if (QFileInfo(info.canonicalFilePath()).absolutePath() != travail.path())
        echec(QStringLiteral("Le dossier %1 n'est pas dans le dossier de travail : il n'a pas été supprimé."), nom);
    videEtSupprime(info.canonicalFilePath());
    return true;
}

void supprimeFichier(const QString& dossier, const QString& nom) {
    if (!estUneEntree(dossier) || !estUneEntree(nom)) return;
    const QDir travail(QDir::current().canonicalPath());
    const QFileInfo infoDossier(travail.filePath(dossier));
    // A folder that is a link could lead anywhere: nothing is deleted through it.
    if (estLien(infoDossier) || !infoDossier.isDir()) return;
    const QFileInfo info(QDir(infoDossier.absoluteFilePath()).filePath(nom));
    if (estLien(info) || (info.exists() && !info.isDir())) supprimeEntree(info);
}
}  // namespace SuppressionSure
