#pragma once
// The one process-wide state every screen shares: the pupil, the folders, the sequence position
// and the settings of the current exercise. Nothing of a pupil's progress lives only here: the
// position line of the parameter file is the stored progress.
#include "logique/etat/EntreeTable.h"
#include "logique/etat/NomsDossier.h"

#include <QList>
#include <QString>
#include <array>

struct SharedState {
    // Table entries: element 1 always holds 1; entry j occupies elements 2+4j .. 5+4j. Only the
    // members below read or write them; everything else takes the entries as values.
    static constexpr int TailleTables = 1002;
    static constexpr int EntreesMax = 250;
    static constexpr int Complement = EntreeTable::Marque;

    int NombreDeQuestions = 10;
    int TempsDeReponse = 0;
    bool AvecPirate = false;
    bool SauvegardeBase = false;
    bool SauvegardeTableur = false;
    bool SauvegardeTexte = false;
    int TypeAide = 1;
    int BandeNumerique = 10;
    bool CasDoublesCarres = false;
    bool CasSuccesseurs = false;
    bool OptionTableDansOrdre = false;
    bool OptionGrandeOperandeAGauche = false;
    bool OptionNombresRelatifs = false;
    std::array<int, TailleTables + 1> Tables{};  // index 0 unused: indexes run 1..1002
    int DernierIndiceTables = 1;
    int TypeExercice = 0;
    int NumeroExercice = 1;
    bool SequenceFinie = false;
    int UneFoisSequenceFinie = 0;
    int Retroaction = 0;
    QString FichierEnseignants = NomsDossier::Enseignants;
    QString NomEleve;
    QString NomEnseignant;
    QString RepertoireProgramme;
    double HeureDebut = 0;
    QString DateHeureDebut;
    double HeureFin = 0;
    QString DateHeureFin;
    QString EnseignantParametrage;
    int ColonneTableur = 0;
    // The workbook failure already told during this connection, not told again at each exercise.
    QString ClasseurSignale;
    QString RepertoireClasse;
    int NombreErreurs = 0;
    // The exercise was chosen on the free-practice chooser, not taken from the sequence.
    bool EnPratiqueLibre = false;

    SharedState();

    // Number of table entries held.
    int nombreEntrees() const { return (DernierIndiceTables - 1) / 4; }
    // The entries held, in order (none when the count is out of 0..EntreesMax).
    QList<EntreeTable> entreesTables() const;
    // Appends one entry; false (nothing written) when the table is full.
    bool ajouteEntree(int premier, int second, int troisieme, int operation);
    bool ajouteEntree(const EntreeTable& entree);
    // The entries become these (past EntreesMax, the rest is left out).
    void remplaceEntrees(const QList<EntreeTable>& entrees);
    // No entry: every element -1 but the first two.
    void videTables();
    // Every entry held takes this operation; their numbers stay.
    void fixeOperationDesEntrees(int operation);
};

// The single instance every screen uses.
SharedState& Etat();
// Tests: the single instance as a program just started has it.
void retablitEtat();

// The anonymous pupil, whose results are never recorded.
inline const QString EleveSansId = QStringLiteral("eleve sans_id");
