#pragma once
// The memory model of each child: for a pupil and an arithmetic fact, the probability of a right
// answer at the first try at a given moment, learnt from the class's answer journal (docs/memoire.md).
#include "logique/memoire/Predicteur.h"

#include <QList>

struct PredictionFait {
    Fait fait;
    double probabilite = 0;
};

class ModeleMemoire final {
public:
    // Fits the model on the class's questions of kinds 1, 2 and 5 strictly before `jusqua` (ms
    // since 1970, the journal's unit). Under a second for a class's year: run it off the
    // screen's thread.
    static ParametresMemoire ajuste(const QList<ReponseResumee>& reponses, qint64 jusqua);

    // The model over the class's answers, in any order.
    ModeleMemoire(ParametresMemoire parametres, const QList<ReponseResumee>& reponses);
    // From the answers strictly before `moment`. Quick after the last answer (now); an earlier
    // moment walks the journal again up to it.
    double prediction(const QString& eleve, const Fait& fait, qint64 moment) const;
    // Every fact the pupil met before `moment`, in the order first met.
    QList<PredictionFait> predictionsDeLEleve(const QString& eleve, qint64 moment) const;
    // The facts asked for (the pupil's tables, say), met or not.
    QList<PredictionFait> predictionsDeLEleve(const QString& eleve, const QList<Fait>& faits, qint64 moment) const;

private:
    // The answers strictly before `moment` learnt: the one kept when it is after them all.
    Predicteur predicteurA(qint64 moment) const;
    static QList<PredictionFait> predictions(const Predicteur& p, const QString& eleve, const QList<Fait>& faits, qint64 moment);
    ParametresMemoire parametres_;
    QList<ReponseResumee> reponses_;  // typed questions, oldest first
    Predicteur maintenant_;
};

// The class's questions in the order they were given: the order the model learns in.
QList<ReponseResumee> dansLOrdre(QList<ReponseResumee> reponses);
