#pragma once
// The settings of an exercise and of a pupil's sequence, and the exact text of the three
// parameter files that carry them: the pupil's file, the default file and the teacher's file.
// The texts are built here; FichierTexte turns them into Windows-1252 bytes with CR LF line ends.
#include "logique/etat/EntreeTable.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ExerciseSettings {
    int TypeExercice = 1;
    QList<EntreeTable> tables;
    bool CasDoublesCarres = false;
    bool CasSuccesseurs = false;
    bool OptionTableDansOrdre = false;
    bool OptionGrandeOperandeAGauche = false;
    bool OptionNombresRelatifs = false;
    bool AvecPirate = false;
    int TempsDeReponse = 0;
    int NombreDeQuestions = 10;
    int TypeAide = 1;
    int BandeNumerique = 10;
    bool operator==(const ExerciseSettings&) const = default;
};

struct SequenceSettings {
    QList<ExerciseSettings> exercices;
    int UneFoisSequenceFinie = 0;
    int Retroaction = 0;
};

namespace LignesFichier {
inline const QString D69 = QString(69, QLatin1Char('-'));
inline const QString U39 = QString(39, QLatin1Char('_'));
inline const QString FinDeLigne = QStringLiteral("\r\n");
}

// The table line of one entry, e.g. "5 sur l'intervalle de 1 à 10 avec multiplication -".
// Empty for an operation outside 0..3 (such an entry is not written).
QString LigneDeTable(const EntreeTable& entree);

// The exercise block: "[Exercice]" first, lines joined by CR LF, no line end after the last line.
QString BlocExercice(const ExerciseSettings& exercice);

// "Exercice " + k + "=>" + each item followed by ", ".
QString EtiquetteExercice(int k, const QStringList& items);

// Complete texts of the files (without the final CR LF that EcritFichier adds).
QString TexteParameterFile(const QString& enseignant, const QString& eleve, const SequenceSettings& sequence);
QString TexteParametrageParDefaut(const QString& enseignant, const SequenceSettings& sequence);
QString TexteTeacherParameterFile(const QString& enseignant, const QList<QString>& etiquettes,
                                  const QList<ExerciseSettings>& exercices, bool base, bool tableur, bool texte);
// The same from exercise blocks already made: the settings screen keeps its defined exercises as
// text. `fin` and `retroaction` are the codes of the two sections repeated after every exercise.
QString TexteParameterFileDeBlocs(const QString& enseignant, const QString& eleve, const QStringList& blocs, int fin,
                                  int retroaction);
QString TexteParametrageParDefautDeBlocs(const QString& enseignant, const QStringList& blocs, int fin, int retroaction);
QString TexteTeacherParameterFileDeBlocs(const QString& enseignant, const QList<QString>& etiquettes, const QStringList& blocs,
                                         bool base, bool tableur, bool texte);

// Writes the text followed by one CR LF, replacing the file atomically.
void EcritFichier(const QString& chemin, const QString& texte);
