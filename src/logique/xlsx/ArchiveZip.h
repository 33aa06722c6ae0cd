#pragma once
// The zip container of a workbook, worked on in memory: the file is read once, its parts are read
// from those bytes, and the replacement archive copies every entry that did not change as it was
// (compressed bytes included). The new archive replaces the file through FichierTexte, as the
// text files do: never through a link or outside the working folder, flushed before the rename.
#include <QByteArray>
#include <QString>
#include <map>

struct zip;
struct zip_file;

class ArchiveZip final {
public:
    // Reads the file; throws ErreurFichier (`messageIllisible`) when it is not a zip archive.
    ArchiveZip(const QString& chemin, const QString& messageIllisible);
    ~ArchiveZip();
    ArchiveZip(const ArchiveZip&) = delete;
    ArchiveZip& operator=(const ArchiveZip&) = delete;

    bool contient(const QString& partie) const;
    // The part's bytes; throws ErreurFichier (`messageIllisible`) when missing or unreadable, and
    // a message of its own when the part would unpack far beyond any pupil's sheet.
    QByteArray lit(const QString& partie) const;
    // The archive as read from the file.
    const QByteArray& octets() const { return octets_; }

    // One part read piece by piece, never whole: memory stays that of one piece whatever the
    // part's size, and reading never goes past the size the archive's directory declares.
    class Flux final {
    public:
        // Throws ErreurFichier (the archive's `messageIllisible`) when the part is missing.
        Flux(const ArchiveZip& archive, const QString& partie);
        ~Flux();
        Flux(const Flux&) = delete;
        Flux& operator=(const Flux&) = delete;
        // The unpacked size the archive declares, known before anything is unpacked.
        qint64 taille() const { return taille_; }
        // Up to `max` next bytes into `destination`; 0 at the end. Throws ErreurFichier when the
        // part is damaged.
        qint64 lit(char* destination, qint64 max);

    private:
        const ArchiveZip& archive_;
        struct zip_file* fichier_ = nullptr;
        qint64 taille_ = 0;
        qint64 lus_ = 0;
    };

private:
    QString chemin_;
    QString messageIllisible_;
    QByteArray octets_;
    struct zip* zip_ = nullptr;
};

namespace ArchiveZipEcriture {
// Replaces `cible` atomically by `origine` (an archive's bytes; empty for a new archive) in which
// the given parts are added or replaced. Throws ErreurFichier naming `cible`; `cible` is then
// unchanged.
void remplace(const QString& cible, const QByteArray& origine, const std::map<QString, QByteArray>& parties);
}
