#pragma once
// Where the answer journal is kept: one small interface, served by SQL databases through Qt SQL
// (an SQLite file per class by default, a school's server when one is configured). Every method
// throws ErreurJournal with a French reason when the store cannot do it.
#include "logique/base/Erreurs.h"
#include "logique/journal/EntreeJournal.h"
#include "logique/journal/LigneResultat.h"
#include "logique/sql/EchecSql.h"

#include <QList>
#include <QString>
#include <QStringList>

class ErreurJournal final : public ErreurMarivelle {
public:
    // For a while: the server out of reach, busy, or its tables or rights to be put right (the
    // record waits and is sent again). Past the bound: a server that left a call unanswered too
    // long (cut, never tried again at once). For good: the record itself is refused (a value
    // too long or not allowed); sending it again would change nothing.
    enum class Genre { Passager, HorsDelai, Definitif };
    explicit ErreurJournal(const QString& message, Genre genre = Genre::Passager, EchecSql echec = EchecSql::Autre)
        : ErreurMarivelle(message), genre_(genre), echec_(echec) {}
    ErreurJournal(const QString& message, EchecSql echec) : ErreurJournal(message, Genre::Passager, echec) {}
    Genre genre() const { return genre_; }
    // What failed: the writer waits out a lock (Occupe) and sets a damaged file aside
    // (PasUneBase); the readers then read what can be read of it.
    EchecSql echec() const { return echec_; }

private:
    Genre genre_;
    EchecSql echec_;
};

// What the views need of a question, without the details of its exercise: read much faster
// when a class's whole year is looked at.
struct ReponseResumee {
    QString eleve;
    qint64 moment = 0;
    int typeExercice = 1;
    int position = 0;
    Fait fait;
    bool justePremierCoup = false;
    int msFin = -1;
    bool finCreature = false;  // the pirate or the sharks ended it
};

// A share of a teacher's questions, so that several connections read one class at once: part
// `rang` of `nombre`. The parts together hold each question once; a pupil's questions may be
// spread over several parts.
struct PartDeClasse {
    int rang = 0;
    int nombre = 1;
};

class MagasinJournal {
public:
    virtual ~MagasinJournal() = default;
    // A question's entries in one transaction: all of them or none. A question already stored
    // (same teacher, pupil and moment) is left as it is, so a retry never stores it twice.
    virtual void ajoute(const EntreeJournal& entree) = 0;
    // A results row for a school server's table; a row already stored (same id) is left as it is.
    virtual void ajouteLigne(const LigneResultat& ligne) = 0;
    // The pupil's entries (every pupil of the teacher when `eleve` is empty) from the moment
    // `depuis` on, oldest first.
    virtual QList<EntreeJournal> entrees(const QString& enseignant, const QString& eleve = {}, qint64 depuis = 0) = 0;
    // Every pupil's questions of the teacher from `depuis` on (in the part asked for), by pupil then
    // oldest first. A store that has no quicker way gives them from `entrees`, all in the first part.
    virtual QList<ReponseResumee> reponses(const QString& enseignant, qint64 depuis = 0, PartDeClasse part = {});
    // The pupils of the teacher who have entries.
    virtual QStringList eleves(const QString& enseignant) = 0;
    // Deleting a child deletes the child's data; a teacher's with the teacher.
    // The results rows of a class stay: the class's own table keeps its rows too.
    virtual void supprimeEleve(const QString& enseignant, const QString& eleve) = 0;
    virtual void supprimeEnseignant(const QString& enseignant) = 0;
};
