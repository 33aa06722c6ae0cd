#pragma once
// The guided enabling of the settings screen's upper panel. On opening only the exercise kind can
// be chosen; the kind opens the options and the operations, the operation opens the choice of
// tables, and the first table entry added opens time, questions and help, which ends the
// guidance; the review (kind 5) and the starting test (kind 6) need no table and end it at once.
// The starting test takes only its operations, addition or multiplication, added with ">>" as
// their ten tables: the rest is greyed. Kinds 3 and 4 never offer the sharks, the help radios or the number strip: these are
// greyed, never changed, so a kind chosen afterwards finds them as they were. The screen says, in a
// line of its own and in the hints of greyed controls, what to choose next and why the rest is grey.
#include <QString>

class Guidage final {
public:
    // What the teacher can use (a control inside an unusable group is unusable).
    struct Activation {
        bool type = true;
        bool options = false;
        bool tables = false;                // the group and its operation radios
        bool choixDesTables = false;        // ">>" and the entry list
        bool modesDeTables = false;         // the table modes and their fields
        bool soustractionDivision = false;  // those two operation radios
        bool listeTable1 = false;           // the [1..10] numbers and their "Tout cocher/décocher"
        bool temps = false;                 // "Pas de temps" and the pirate
        bool requin = false;
        bool questions = false;
        bool aide = false;  // the help group
        bool aideRadios = false;
        bool bande = false;
        bool enregistrer = false;  // "Ajouter l'exercice paramétré à la liste"
        bool operator==(const Activation&) const = default;
    };

    // The parts of the panel that are greyed together.
    enum class Zone {
        Options,
        Tables,
        ChoixDesTables,
        ListeTable1,
        Temps,
        Requin,
        Questions,
        Aide,
        AideRadios,
        Bande,
        ModesDeTables,
        SoustractionDivision
    };

    void ouvre();
    void typeChoisi(int type);
    void operationChoisie();
    void tablePreciseChoisie();
    void entreeAjoutee();
    void exerciceCharge(int type);

    bool guide() const { return guide_; }
    Activation activation() const;
    // The guidance line: the step, what to choose next and what that opens.
    QString consigne() const;
    // Why the zone is greyed now ("Grisé : …"); empty when it can be used.
    QString pourquoiGrise(Zone zone) const;

private:
    bool guide_ = true;
    bool typeGuide_ = false;
    bool operationGuidee_ = false;
    bool listeTable1_ = false;
    int type_ = 0;
};
