#include "DossierTemporaire.h"

#include "BorneAttente.h"
#include "base/Cp1252.h"

#include <QProcess>

QByteArray cp1252(const char* utf8) { return Cp1252::encode(QString::fromUtf8(utf8)).value_or(QByteArray()); }

QByteArray abimeTable(const QString& fichier, const QString& table) {
    QProcess racines;
    racines.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-c"), QStringLiteral("import sqlite3, sys; print(sqlite3.connect(sys.argv[1]).execute('SELECT "
                                                        "group_concat(rootpage) FROM sqlite_master WHERE tbl_name = ?', "
                                                        "(sys.argv[2],)).fetchone()[0])"),
                   fichier, table});
    racines.waitForFinished(BorneAttenteMs);
    QByteArray octets = octetsDe(fichier);
    for (const QByteArray& page : racines.readAllStandardOutput().trimmed().split(','))
        octets.replace((page.toInt() - 1) * 4096, 4096, QByteArray(4096, char(0xA5)));
    ecritOctets(fichier, octets);
    return octets;
}
