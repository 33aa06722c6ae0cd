#pragma once
// What fitting the model on a class's journal gives: a weight for each feature, and the
// regularised terms of each pupil (ability in each group of operations, forgetting) and of each
// fact and family (difficulty). A pupil or a fact the fit never saw gets 0: the class's average.
#include "logique/memoire/MemoireEleve.h"

#include <QHash>
#include <QString>

struct TermesEleve {
    double niveau = 0;                     // ability
    std::array<double, 2> niveauGroupe{};  // ... in + - and in × ÷
    double oubli = 0;                      // added to the weight of the time since a fact was met
};

struct ParametresMemoire {
    std::array<double, Caracteristique::Nombre> poids{};
    QHash<QString, TermesEleve> eleves;
    QHash<qint64, double> faits;     // by FamilleDeFaits::codeFait
    QHash<qint64, double> familles;  // by FamilleDeFaits::code

    // The probability of a right first answer for a question of `eleve` with these features.
    double probabilite(const QString& eleve, const Caracteristiques& c) const;
    // The same with the pupil's terms already found (a pupil the fit never saw: TermesEleve{}).
    double probabilite(const TermesEleve& eleve, const Caracteristiques& c) const;
};
