#include "base/FichierTexte.h"

#include "base/Cp1252.h"
#include "base/Erreurs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {
QString nom(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

[[noreturn]] void echec(const QString& quoi, const QString& chemin, const QString& detail) {
    throw ErreurFichier(QStringLiteral("%1 %2 : %3").arg(quoi, nom(chemin), detail));
}

void remplace(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        echec(QStringLiteral("Impossible d'écrire le fichier"), chemin, fichier.errorString());
    if (fichier.write(contenu) != contenu.size())
        echec(QStringLiteral("Impossible d'écrire le fichier"), chemin, fichier.errorString());
    // commit() flushes to disk, then renames over the target in one step.
    if (!fichier.commit())
        echec(QStringLiteral("Impossible d'enregistrer le fichier"), chemin, fichier.errorString());
}
}  // namespace

namespace FichierTexte {
bool existe(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.exists() && info.isFile();
}

bool dossierExiste(const QString& chemin) { return QFileInfo(chemin).isDir(); }

QStringList litLignes(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.exists())
        throw ErreurFichier(QStringLiteral("Le fichier %1 est introuvable.").arg(nom(chemin)));
    if (!fichier.open(QIODevice::ReadOnly))
        echec(QStringLiteral("Impossible de lire le fichier"), chemin, fichier.errorString());
    // Split the bytes first (memchr-fast), then decode each line on its own.
    const QByteArray octets = fichier.readAll();
    QStringList lignes;
    const char* debut = octets.constData();
    const char* const fin = debut + octets.size();
    while (debut < fin) {
        const char* saut = static_cast<const char*>(memchr(debut, '\n', fin - debut));
        const char* finLigne = saut ? saut : fin;
        const char* finTexte = (saut && finLigne > debut && finLigne[-1] == '\r') ? finLigne - 1 : finLigne;
        lignes << Cp1252::decode(QByteArrayView(debut, finTexte - debut));
        if (!saut) break;
        debut = saut + 1;
    }
    return lignes;
}

QStringList litLignesTantQue(const QString& chemin, const std::function<bool(const QString&)>& encore) {
    QFile fichier(chemin);
    if (!fichier.exists())
        throw ErreurFichier(QStringLiteral("Le fichier %1 est introuvable.").arg(nom(chemin)));
    if (!fichier.open(QIODevice::ReadOnly))
        echec(QStringLiteral("Impossible de lire le fichier"), chemin, fichier.errorString());
    QStringList lignes;
    while (!fichier.atEnd()) {
        QByteArray octets = fichier.readLine();
        if (octets.endsWith('\n')) octets.chop(octets.endsWith("\r\n") ? 2 : 1);
        lignes << Cp1252::decode(octets);
        if (!encore(lignes.last())) break;
    }
    return lignes;
}

QByteArray encode(const QString& texte, const QString& chemin) {
    auto octets = Cp1252::encode(texte);
    if (!octets)
        throw ErreurFichier(QStringLiteral("Le fichier %1 ne peut pas contenir certains caractères du texte.")
                                .arg(nom(chemin)));
    return *octets;
}

void ecritLignes(const QString& chemin, const QStringList& lignes) {
    QString texte;
    for (const QString& ligne : lignes) texte += ligne + QStringLiteral("\r\n");
    remplace(chemin, encode(texte, chemin));
}

void ecritTexte(const QString& chemin, const QString& texte) {
    remplace(chemin, encode(texte + QStringLiteral("\r\n"), chemin));
}

void ajoute(const QString& chemin, const QString& texte) {
    const QByteArray octets = encode(texte + QStringLiteral("\r\n"), chemin);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Append))
        echec(QStringLiteral("Impossible d'ouvrir le fichier"), chemin, fichier.errorString());
    if (fichier.write(octets) != octets.size() || !fichier.flush())
        echec(QStringLiteral("Impossible d'écrire dans le fichier"), chemin, fichier.errorString());
}

bool creeDossier(const QString& chemin) {
    if (dossierExiste(chemin)) return true;
    return QDir().mkdir(chemin);
}

void supprime(const QString& chemin) {
    QFile fichier(chemin);
    if (fichier.exists() && !fichier.remove())
        echec(QStringLiteral("Impossible de supprimer le fichier"), chemin, fichier.errorString());
}
}  // namespace FichierTexte
