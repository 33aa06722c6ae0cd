#include "DossierTemporaire.h"

#include "BorneAttente.h"
#include "logique/base/Cp1252.h"

#include <QProcess>

QByteArray cp1252(const char* utf8) { return Cp1252::encode(QString::fromUtf8(utf8)).value_or(QByteArray()); }

QString python(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), arguments);
    p.waitForFinished(BorneAttenteMs);
    return QString::fromUtf8(p.readAllStandardOutput()) + QString::fromUtf8(p.readAllStandardError());
}

QByteArray abimeTable(const QString& fichier, const QString& table) {
    const QString racines = python({QStringLiteral("-c"),
                                    QStringLiteral("import sqlite3, sys; print(sqlite3.connect(sys.argv[1]).execute("
                                                   "'SELECT group_concat(rootpage) FROM sqlite_master WHERE "
                                                   "tbl_name = ?', (sys.argv[2],)).fetchone()[0])"),
                                    fichier, table});
    QByteArray octets = octetsDe(fichier);
    for (const QString& page : racines.trimmed().split(QLatin1Char(',')))
        octets.replace((page.toInt() - 1) * 4096, 4096, QByteArray(4096, char(0xA5)));
    ecritOctets(fichier, octets);
    return octets;
}
