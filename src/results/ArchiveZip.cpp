#include "results/ArchiveZip.h"

#include "core/platform/Erreurs.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <zip.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
QString nom(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

[[noreturn]] void echecEcriture(const QString& chemin, const QString& detail) {
    throw ErreurFichier(QStringLiteral("Impossible d'enregistrer le classeur %1 : %2").arg(nom(chemin), detail));
}

bool versDisque(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite)) return false;
#ifdef Q_OS_WIN
    return _commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
}
}  // namespace

ArchiveZip::ArchiveZip(const QString& chemin, const QString& messageIllisible)
    : chemin_(chemin), messageIllisible_(messageIllisible) {
    int erreur = 0;
    zip_ = zip_open(QFile::encodeName(chemin).constData(), ZIP_RDONLY, &erreur);
    if (!zip_) throw ErreurFichier(messageIllisible_);
}

ArchiveZip::~ArchiveZip() {
    if (zip_) zip_discard(zip_);
}

bool ArchiveZip::contient(const QString& partie) const {
    return zip_name_locate(zip_, partie.toUtf8().constData(), 0) >= 0;
}

QByteArray ArchiveZip::lit(const QString& partie) const {
    const QByteArray nomPartie = partie.toUtf8();
    zip_stat_t etat;
    zip_stat_init(&etat);
    if (zip_stat(zip_, nomPartie.constData(), 0, &etat) != 0 || !(etat.valid & ZIP_STAT_SIZE) ||
        etat.size > (1u << 30))
        throw ErreurFichier(messageIllisible_);
    zip_file_t* fichier = zip_fopen_index(zip_, etat.index, 0);
    if (!fichier) throw ErreurFichier(messageIllisible_);
    QByteArray octets(static_cast<qsizetype>(etat.size), Qt::Uninitialized);
    const zip_int64_t lus = zip_fread(fichier, octets.data(), etat.size);
    zip_fclose(fichier);
    if (lus != static_cast<zip_int64_t>(etat.size)) throw ErreurFichier(messageIllisible_);
    return octets;
}

namespace ArchiveZipEcriture {
void remplace(const QString& cible, bool copie, const std::map<QString, QByteArray>& parties) {
    const QFileInfo info(cible);
    QTemporaryFile temporaire(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                              QStringLiteral(".XXXXXX"));
    if (!temporaire.open()) echecEcriture(cible, temporaire.errorString());
    if (copie) {
        QFile source(cible);
        if (!source.open(QIODevice::ReadOnly)) echecEcriture(cible, source.errorString());
        const QByteArray octets = source.readAll();
        if (temporaire.write(octets) != octets.size()) echecEcriture(cible, temporaire.errorString());
    }
    temporaire.close();
    const QString cheminTemporaire = temporaire.fileName();

    int erreur = 0;
    zip_t* archive = zip_open(QFile::encodeName(cheminTemporaire).constData(), copie ? 0 : ZIP_TRUNCATE, &erreur);
    if (!archive) {
        zip_error_t e;
        zip_error_init_with_code(&e, erreur);
        const QString detail = QString::fromUtf8(zip_error_strerror(&e));
        zip_error_fini(&e);
        echecEcriture(cible, detail);
    }
    for (const auto& [partie, octets] : parties) {
        zip_source_t* source = zip_source_buffer(archive, octets.constData(), octets.size(), 0);
        if (!source || zip_file_add(archive, partie.toUtf8().constData(), source,
                                    ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            if (source) zip_source_free(source);
            const QString detail = QString::fromUtf8(zip_strerror(archive));
            zip_discard(archive);
            echecEcriture(cible, detail);
        }
    }
    if (zip_close(archive) != 0) {
        const QString detail = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        echecEcriture(cible, detail);
    }
    // The temporary file is private to this program until renamed: give it the workbook's rights.
    QFile::setPermissions(cheminTemporaire, copie ? QFile::permissions(cible)
                                                  : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                        QFile::WriteGroup | QFile::ReadOther);
    if (!versDisque(cheminTemporaire)) echecEcriture(cible, QStringLiteral("écriture sur le disque impossible"));
    std::error_code code;
    std::filesystem::rename(QFile::encodeName(cheminTemporaire).toStdString(), QFile::encodeName(cible).toStdString(),
                            code);
    if (code) echecEcriture(cible, QString::fromStdString(code.message()));
    temporaire.setAutoRemove(false);
}
}  // namespace ArchiveZipEcriture
