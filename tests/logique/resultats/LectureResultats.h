#pragma once
// Reading what the recorders wrote with readers that share no code with them: openpyxl for the
// workbook, Python's sqlite3 for the database (both through Debian's /usr/bin/python3).
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

inline QJsonObject litAvecPython(const char* script, const QStringList& arguments) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(DOSSIER_TESTS_RESULTATS "/") + QString::fromUtf8(script)} + arguments);
    python.waitForFinished(60000);
    const QByteArray sortie = python.readAllStandardOutput();
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(sortie).object();
}

// {"feuilles": [...], "contenu": {sheet: {"cellules": {"B6": {"valeur", "type", "retour"}},
//  "largeurs": {"B": w}, "hauteurs": {"9": h}}}}
inline QJsonObject litClasseur(const QString& chemin) { return litAvecPython("lit_classeur.py", {chemin}); }
// {table: {"colonnes": [[name, type, pk]], "lignes": [{column: [value, python type]}]}}
inline QJsonObject litBase(const QString& chemin) { return litAvecPython("lit_base.py", {chemin}); }
inline void modifieCommeUnEnseignant(const QString& chemin, const QString& feuille) {
    litAvecPython("modifie_classeur.py", {chemin, feuille});
}
