#include "logique/xlsx/ArchiveZip.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <zip.h>

namespace {
// A pupil's sheet after thousands of exercises stays under a few megabytes; a part that would
// unpack to more than this is refused from the archive's directory, before anything is inflated.
constexpr zip_uint64_t TaillePartieMax = 64u << 20;

[[noreturn]] void echecEcriture(const QString& chemin, const QString& detail) {
    throw ErreurFichier(QStringLiteral("Impossible d'enregistrer le classeur « %1 » : %2").arg(chemin, detail));
}

QString texteErreur(zip_error_t* erreur) { return QString::fromUtf8(zip_error_strerror(erreur)); }

// A zip archive over bytes held in memory; null when they are not an archive. An archive that
// will be written owns a copy of the bytes: libzip frees the buffers it replaces when it writes.
zip_t* ouvreEnMemoire(const QByteArray& octets, int options, zip_source_t** source, zip_error_t* erreur) {
    if (options & ZIP_RDONLY) {
        *source = zip_source_buffer_create(octets.constData(), static_cast<zip_uint64_t>(octets.size()), 0, erreur);
        if (!*source) return nullptr;
        zip_t* archive = zip_open_from_source(*source, options, erreur);
        if (!archive) zip_source_free(*source);
        return archive;
    }
    void* copie = nullptr;
    if (!octets.isEmpty()) {
        copie = std::malloc(static_cast<size_t>(octets.size()));
        if (!copie) return nullptr;
        std::memcpy(copie, octets.constData(), static_cast<size_t>(octets.size()));
    }
    *source = zip_source_buffer_create(copie, static_cast<zip_uint64_t>(octets.size()), 1, erreur);
    if (!*source) {
        std::free(copie);
        return nullptr;
    }
    zip_t* archive = zip_open_from_source(*source, options, erreur);
    if (!archive) {
        zip_source_free(*source);
        *source = nullptr;
    }
    return archive;
}
}  // namespace

ArchiveZip::ArchiveZip(const QString& chemin, const QString& messageIllisible)
    : chemin_(chemin), messageIllisible_(messageIllisible) {
    octets_ = FichierTexte::litOctets(chemin);
    zip_error_t erreur;
    zip_error_init(&erreur);
    zip_source_t* source = nullptr;
    zip_ = ouvreEnMemoire(octets_, ZIP_RDONLY, &source, &erreur);
    zip_error_fini(&erreur);
    if (!zip_) throw ErreurFichier(messageIllisible_);
}

ArchiveZip::~ArchiveZip() {
    if (zip_) zip_discard(zip_);
}

bool ArchiveZip::contient(const QString& partie) const { return zip_name_locate(zip_, partie.toUtf8().constData(), 0) >= 0; }

QByteArray ArchiveZip::lit(const QString& partie) const {
    const QByteArray nomPartie = partie.toUtf8();
    zip_stat_t etat;
    zip_stat_init(&etat);
    if (zip_stat(zip_, nomPartie.constData(), 0, &etat) != 0 || !(etat.valid & ZIP_STAT_SIZE))
        throw ErreurFichier(messageIllisible_);
    if (etat.size > TaillePartieMax)
        throw ErreurFichier(QStringLiteral("Le classeur « %1 » contient une partie (%2) qui occuperait %3 Mo une fois "
                                           "décompressée, bien plus qu'aucune feuille d'élève : il n'a pas été lu "
                                           "ni modifié.")
                                .arg(chemin_, partie)
                                .arg(etat.size >> 20));
    zip_file_t* fichier = zip_fopen_index(zip_, etat.index, 0);
    if (!fichier) throw ErreurFichier(messageIllisible_);
    QByteArray octets(static_cast<qsizetype>(etat.size), Qt::Uninitialized);
    const zip_int64_t lus = zip_fread(fichier, octets.data(), etat.size);
    zip_fclose(fichier);
    if (lus != static_cast<zip_int64_t>(etat.size)) throw ErreurFichier(messageIllisible_);
    return octets;
}

ArchiveZip::Flux::Flux(const ArchiveZip& archive, const QString& partie) : archive_(archive) {
    zip_stat_t etat;
    zip_stat_init(&etat);
    if (zip_stat(archive.zip_, partie.toUtf8().constData(), 0, &etat) != 0 || !(etat.valid & ZIP_STAT_SIZE) ||
        etat.size > static_cast<zip_uint64_t>(std::numeric_limits<qint64>::max()) ||
        !(fichier_ = zip_fopen_index(archive.zip_, etat.index, 0)))
        throw ErreurFichier(archive.messageIllisible_);
    taille_ = static_cast<qint64>(etat.size);
}

ArchiveZip::Flux::~Flux() { zip_fclose(fichier_); }

qint64 ArchiveZip::Flux::lit(char* destination, qint64 max) {
    const qint64 voulus = std::min(max, taille_ - lus_);
    if (voulus <= 0) return 0;
    const zip_int64_t lus = zip_fread(fichier_, destination, static_cast<zip_uint64_t>(voulus));
    if (lus <= 0) throw ErreurFichier(archive_.messageIllisible_);
    lus_ += lus;
    return lus;
}

namespace ArchiveZipEcriture {
void remplace(const QString& cible, const QByteArray& origine, const std::map<QString, QByteArray>& parties) {
    zip_error_t erreur;
    zip_error_init(&erreur);
    zip_source_t* source = nullptr;
    zip_t* archive = ouvreEnMemoire(origine, origine.isEmpty() ? ZIP_CREATE | ZIP_TRUNCATE : 0, &source, &erreur);
    if (!archive) {
        const QString detail = texteErreur(&erreur);
        zip_error_fini(&erreur);
        echecEcriture(cible, detail);
    }
    zip_error_fini(&erreur);
    // The source holds the new archive once the archive is closed.
    zip_source_keep(source);
    struct Liberation {
        zip_source_t* source;
        ~Liberation() { zip_source_free(source); }
    } liberation{source};

    for (const auto& [partie, octets] : parties) {
        zip_source_t* donnees = zip_source_buffer(archive, octets.constData(), octets.size(), 0);
        const zip_int64_t index = donnees ? zip_file_add(archive, partie.toUtf8().constData(), donnees,
                                                         ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8)
                                          : -1;
        // The fastest deflate level: a sheet's XML still shrinks about tenfold.
        if (index < 0 || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1) < 0) {
            if (donnees && index < 0) zip_source_free(donnees);
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

    zip_stat_t etat;
    zip_stat_init(&etat);
    if (zip_source_stat(source, &etat) != 0 || zip_source_open(source) != 0)
        echecEcriture(cible, texteErreur(zip_source_error(source)));
    QByteArray resultat(static_cast<qsizetype>(etat.size), Qt::Uninitialized);
    const zip_int64_t lus = zip_source_read(source, resultat.data(), etat.size);
    zip_source_close(source);
    if (lus != static_cast<zip_int64_t>(etat.size)) echecEcriture(cible, texteErreur(zip_source_error(source)));

    // Written completely beside the workbook, every write and the flush checked, then renamed
    // over it: a full disk leaves the old workbook whole.
    FichierTexte::remplaceOctets(cible, resultat);
}
}  // namespace ArchiveZipEcriture
