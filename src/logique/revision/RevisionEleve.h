#pragma once
// One pupil's review as the screens and the teacher's views see it: the answers read from the
// class's journal, the boxes and the facts due, and the facts the pupil's own tables can ask.
#include "logique/revision/Boites.h"
#include "logique/revision/FaitsDesTables.h"

#include <QList>
#include <QString>

struct SharedState;

namespace Revision {
// The pupil's answers in the class's journal, after the writer has written every finished
// question. Throws ErreurJournal when the store cannot be read.
QList<EntreeJournal> litEntrees(const QString& enseignant, const QString& eleve, const QString& repertoireClasse);
// The class's questions, the pupil's as `siennes` holds them (those still waiting for the writer
// included): what the memory model learns from. Throws ErreurJournal.
QList<ReponseResumee> reponsesDeLaClasse(const QString& enseignant, const QString& eleve, const QString& repertoireClasse,
                                         const QList<EntreeJournal>& siennes);

struct EtatEleve {
    Boites boites;        // every fact met
    QList<EtatFait> dus;  // the facts due today, the oldest due first
    int nombreDus() const { return static_cast<int>(dus.size()); }
};
// For the teacher's progress view: boxes and due facts of one pupil's entries.
EtatEleve etatDeLEleve(const QList<EntreeJournal>& entrees, const QDate& aujourdhui, int seuilMs = SeuilParDefaut);
EtatEleve etatDeLEleve(std::span<const ReponseResumee> reponses, const QDate& aujourdhui, int seuilMs = SeuilParDefaut);
// The number of facts due today of one pupil's entries.
int nombreDusAujourdhui(const QList<EntreeJournal>& entrees, const QDate& aujourdhui, int seuilMs = SeuilParDefaut);

// The tables a pupil without a sequence has met: the tables 1 to 10 of each operation they
// answered in free practice (what free practice asks them), else the addition tables 1 to 10.
QList<EntreeTable> tablesDeLaPratiqueLibre(const QList<EntreeJournal>& entrees);
// The pupil's own tables: those of every exercise of their sequence when they have a parameter
// file, else those of their free practice.
QList<EntreeTable> tablesDeLEleve(const SharedState& etat, const QList<EntreeJournal>& entrees);
// The sign chosen on the free-practice chooser (written into every entry), -1 in a sequence.
int operationChoisie(const SharedState& etat);
}  // namespace Revision
