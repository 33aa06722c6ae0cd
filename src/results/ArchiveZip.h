#pragma once
// The zip container of a workbook: parts read from the file as it is, and the file replaced by a
// copy in which only the given parts changed (every other entry is copied as it was, compressed
// bytes included). The copy is written beside the file, flushed to disk and renamed over it.
#include <QByteArray>
#include <QString>
#include <map>

struct zip;

class ArchiveZip final {
public:
    // Throws ErreurFichier (`messageIllisible`) when the file is not a zip archive.
    ArchiveZip(const QString& chemin, const QString& messageIllisible);
    ~ArchiveZip();
    ArchiveZip(const ArchiveZip&) = delete;
    ArchiveZip& operator=(const ArchiveZip&) = delete;

    bool contient(const QString& partie) const;
    // The part's bytes; throws ErreurFichier (`messageIllisible`) when missing or unreadable.
    QByteArray lit(const QString& partie) const;

private:
    QString chemin_;
    QString messageIllisible_;
    struct zip* zip_ = nullptr;
};

namespace ArchiveZipEcriture {
// Replaces `cible` atomically by a copy of it (or by a new archive when `copie` is false) in which
// the given parts are added or replaced. Throws ErreurFichier naming `cible`; `cible` is then unchanged.
void remplace(const QString& cible, bool copie, const std::map<QString, QByteArray>& parties);
}
