#pragma once
// Walks a class's journal in time order: predicts each question from the answers strictly before
// it (the pupil's own and the class's), then learns its answer. What the fit, the measurement and
// the views use.
#include "logique/memoire/MemoireClasse.h"
#include "logique/memoire/ParametresMemoire.h"

class Predicteur final {
public:
    explicit Predicteur(ParametresMemoire parametres = {}) : parametres_(std::move(parametres)) {}
    // The probability that the pupil answers `question` right at the first try, from what was
    // learnt so far (its own answer is not looked at).
    double predit(const ReponseResumee& question) const;
    double predit(const QString& eleve, const Fait& fait, qint64 moment, int typeExercice = 5) const;
    // The same for several facts of one pupil, looked up once.
    QList<double> predit(const QString& eleve, const QList<Fait>& faits, qint64 moment, int typeExercice = 5) const;
    Caracteristiques caracteristiques(const QString& eleve, const Fait& fait, qint64 moment, int typeExercice) const;
    // The answers must come in the order they were given, all pupils together.
    void apprend(const ReponseResumee& reponse);
    // The facts the pupil met, in the order first met.
    QList<Fait> faitsRencontres(const QString& eleve) const;

private:
    ParametresMemoire parametres_;
    QHash<QString, MemoireEleve> eleves_;
    MemoireClasse classe_;
};
