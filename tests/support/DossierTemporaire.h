#pragma once
// Runs a test inside a fresh empty working folder, and goes back to the previous one afterwards.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// GoogleTest shows texts as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class DossierTemporaire {
public:
    DossierTemporaire() : precedent_(QDir::currentPath()) { QDir::setCurrent(dossier_.path()); }
    ~DossierTemporaire() { QDir::setCurrent(precedent_); }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;
    QString chemin() const { return dossier_.path(); }

private:
    QTemporaryDir dossier_;
    QString precedent_;
};

// The raw bytes of a file (empty when missing).
inline QByteArray octetsDe(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes raw bytes to a file, creating or replacing it.
inline void ecritOctets(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(octets);
}

// Windows-1252 bytes of a text written in UTF-8 in the test source.
QByteArray cp1252(const char* utf8);
// What Debian's Python 3 run with `arguments` printed (its output, then its errors), once it ended.
QString python(const QStringList& arguments);
// Overwrites the pages of a table and its indexes in an SQLite file (its header kept, as a damaged
// disk would); the file's new bytes.
QByteArray abimeTable(const QString& fichier, const QString& table);
// The text written in UTF-8 in the test source.
inline QString u(const char* utf8) { return QString::fromUtf8(utf8); }
