#pragma once
// The result of one finished exercise, built once when it ends from the shared state, the error
// count and the error list: every figure the recorders write (text profile, workbook, database or
// school server), computed in this one place so that they all write the same.
#include "logique/etat/EntreeTable.h"

#include <QList>
#include <QString>

struct SharedState;

struct ResultatExercice {
    QString eleve;
    QString enseignant;
    QString debut;  // "06/12/2026 09:36:00", as stamped when the exercise began
    QString fin;
    int numeroExercice = 1;
    int typeExercice = 0;
    QList<EntreeTable> tables;  // every entry set; the texts leave out unknown operations
    bool successeurs = false;
    bool doubles = false;
    int typeAide = 1;
    int questions = 0;
    int erreurs = 0;
    QString listeErreurs;  // the exercise's error list, one line per question missed, as it wrote it

    double taux = 0;              // share of right answers in percent, every decimal kept; 0 without question
    int tauxArrondi = 0;          // the same to a whole percent, halves to even (87.5 gives 88, 62.5 gives 62)
    double duree = 0;             // in day fractions; an exercise that ran over midnight ended the next day
    int secondes = 0;             // the duration in whole seconds (milliseconds kept, halves to even)
    double tempsParQuestion = 0;  // seconds per question to two decimals (halves to even); 0 without question

    static ResultatExercice de(const SharedState& etat, int erreurs, const QString& listeErreurs);
};
