#pragma once
// The class at a glance: one line per pupil, who needs help today, the class's threshold. The
// view reads the journal and the parameter files; the only file it writes is the threshold's.
#include "logique/suivi/AnneeEleve.h"
#include "logique/revision/SeuilClasse.h"

#include <QFuture>

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <memory>

class MagasinJournal;
// Opens one more connection to the class's store, for a part of the class read at once.
using OuvreMagasin = std::function<std::unique_ptr<MagasinJournal>()>;

struct LigneClasse {
    QString eleve;
    qint64 derniereQuestion = -1;
    int exercicesSemaine = 0;
    int questionsSemaine = 0;
    double reussiteSemaine = -1;      // -1 without a typed answer
    double reussiteQuatreAvant = -1;  // the four weeks before this one, together
    int medianeMs = -1;               // over the four weeks before and this one
    Suivi::Comptes comptes;
    int dusAujourdhui = 0;  // facts the review asks today
    // Neither a table set nor an answer: every fact is still "jamais vue".
    bool rienDeConnu = false;
};

struct AideDuJour {
    QString eleve;
    double baisse = 0;      // fall of the share right at once, last 7 days against the 7 before
    int hausseARevoir = 0;  // facts "à revoir" now less fourteen days ago
    QList<Fait> faits;      // the facts that became "à revoir" (or were missed this week)
};

// How well the model's estimates matched the class's answers: each question of the last four
// weeks estimated from the answers strictly before it, the mean estimate beside the share right.
struct Calibrage {
    int questions = 0;
    double prevu = 0, obtenu = 0;
};

struct Classe {
    QString enseignant;
    QString repertoire;
    QDateTime maintenant;
    int seuilMs = Suivi::SeuilParDefautMs;
    int reussiteVisee = Revision::ReussiteViseeParDefaut;  // %
    std::shared_ptr<const ModeleMemoire> modele;           // over the class's answers
    Calibrage calibrage;
    QList<AnneeEleve> eleves;               // A→Z (elevesDeLaClasse)
    QList<QList<ReponseResumee>> reponses;  // the questions by part, which the pupils' lines point into
    QList<QList<ReponseResumee>> reunies;   // by pupil, the questions of a pupil spread over several parts
};

namespace Suivi {
// A fall is told only when both weeks hold this many typed answers.
inline constexpr int TapeesMinimum = 5;
inline constexpr double BaisseNotable = 0.10;
inline constexpr int AidesMax = 8;

// The pupils of the class, A→Z in French: `inscrits` (the class list), those with a parameter
// file in the class folder and those of the journal.
QStringList elevesDeLaClasse(const QString& enseignant, const QString& repertoireClasse, MagasinJournal* magasin,
                             const QStringList& inscrits = {});

// Reads the class: the journal's questions (none without a store), every pupil's tables, the
// threshold. With `autres`, parts of the class are read at once on connections of their own (a
// part whose connection fails is read on `magasin`); the pupils are worked out in parallel.
inline constexpr int PartsMax = 4;
Classe charge(const QString& enseignant, const QString& repertoireClasse, MagasinJournal* magasin, const QDateTime& maintenant,
              const QStringList& inscrits = {}, const OuvreMagasin& autres = {});

// Every pupil's estimates against the class's success aimed at (again when it changes).
void revise(Classe& classe);
// Fits the class's model again off this thread when it is due (Revision::reajusteEnFond).
QFuture<void> reajuste(const Classe& classe);
inline constexpr qint64 CalibrageDepuisMs = 28LL * 24 * 3600 * 1000;
Calibrage calibrage(const ParametresMemoire& parametres, const QList<ReponseResumee>& reponses, qint64 maintenant);
// "Prévu 86 %, obtenu 84 %".
QString texteCalibrage(const Calibrage& calibrage);

// The pupil's name without " en classe de <level>", for the class table where the level is known.
QString nomAffiche(const QString& eleve);

LigneClasse ligne(const AnneeEleve& annee, const QDate& aujourdhui, int seuilMs);
// A success by its level against the class's success aimed at, a symbol beside the figure:
// "✓ 92 %" (at least the aim), "~ 75 %" (at least 60 %), "✗ 40 %"; "–" without an answer.
Revision::Niveau niveauReussite(double part, double cible);
QString symboleNiveau(Revision::Niveau niveau);
QString texteReussite(double part, double cible);
QList<AideDuJour> aAiderAujourdhui(const QList<AnneeEleve>& eleves, int seuilMs);

// The class lines as CSV for a spreadsheet: UTF-8 with its byte-order mark, ";", French headers.
QByteArray csvClasse(const QList<LigneClasse>& lignes);
}  // namespace Suivi
