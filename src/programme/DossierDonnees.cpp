#include "programme/DossierDonnees.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
// Copies every file of `source` below `cible` that `cible` does not have yet.
void copieSansEcraser(const QString& source, const QString& cible) {
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString fichier = it.next();
        const QString destination = cible + QLatin1Char('/') + QDir(source).relativeFilePath(fichier);
        if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink()) continue;
        QDir().mkpath(QFileInfo(destination).absolutePath());
        if (!QFile::copy(fichier, destination))
            throw ErreurFichier(QStringLiteral("Impossible de copier « %1 » dans le dossier de données.").arg(fichier));
    }
}
}  // namespace

namespace DossierDonnees {
QString dossierPartage(const QString& dossierProgramme) {
    const QFileInfo partage(dossierProgramme + QStringLiteral("/../share/marivelle"));
    return partage.isDir() ? partage.canonicalFilePath() : QString();
}

QString choisit(const QStringList& arguments, const QString& partage, const QString& maison) {
    if (arguments.size() > 1 && !arguments[1].isEmpty()) return QDir(arguments[1]).absolutePath();
    if (!partage.isEmpty()) return maison + QStringLiteral("/Marivelle");
    return QDir::currentPath();
}

void prepare(const QString& dossier, const QString& partage) {
    if (!QDir().mkpath(dossier))
        throw ErreurFichier(QStringLiteral("Impossible de créer le dossier de données « %1 ».").arg(dossier));
    if (!partage.isEmpty()) {
        copieSansEcraser(partage + QStringLiteral("/Images"), dossier + QStringLiteral("/Images"));
        const QString messages = dossier + QLatin1Char('/') + NomsDossier::MessagesPerdu;
        if (!QFileInfo::exists(messages) && !QFileInfo(messages).isSymLink())
            QFile::copy(partage + QLatin1Char('/') + NomsDossier::MessagesPerdu, messages);
    }
    if (!QDir::setCurrent(dossier))
        throw ErreurFichier(QStringLiteral("Impossible d'ouvrir le dossier de données « %1 ».").arg(dossier));
}

int nettoie() {
    constexpr int UneMinute = 60;
    int retires = FichierTexte::nettoieTemporaires(QStringLiteral("."), {}, UneMinute);
    for (const QString& dossier : QDir().entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        retires += FichierTexte::nettoieTemporaires(dossier, {}, UneMinute);
    return retires;
}
}  // namespace DossierDonnees
