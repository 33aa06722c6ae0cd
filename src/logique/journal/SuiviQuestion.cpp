#include "logique/journal/SuiviQuestion.h"

#include "logique/base/Horloge.h"
#include "logique/journal/Journal.h"
#include "logique/etat/SharedState.h"

#include <limits>

void SuiviQuestion::commence(const SharedState& e, std::optional<int> tempsAccordeMs, const Fait& fait, int trou) {
    entree_ = EntreeJournal{};
    entree_.enseignant = e.NomEnseignant;
    entree_.eleve = e.NomEleve;
    entree_.moment = Journal::momentUnique();
    entree_.typeExercice = e.TypeExercice;
    entree_.position = e.EnPratiqueLibre ? 0 : e.NumeroExercice;
    // Exercises 3 and 4 know no sharks: any time limit is the pirate's.
    const bool avecRequin = e.TypeExercice != 3 && e.TypeExercice != 4;
    entree_.creature = !tempsAccordeMs ? Creature::Aucune : (e.AvecPirate || !avecRequin) ? Creature::Pirate : Creature::Requin;
    // The journal keeps whole seconds: a time allowed of 10,5 s (7 s × 1,5) is kept as 11.
    entree_.tempsDeReponse = tempsAccordeMs ? (*tempsAccordeMs + 500) / 1000 : 0;
    entree_.typeAide = e.TypeAide;
    entree_.fait = fait;
    entree_.trou = trou;
    debut_ = Horloge::maintenant().toMSecsSinceEpoch();
    enCours_ = true;
    dejaJuste_ = false;
}

void SuiviQuestion::montre(const QList<Fait>& operations) {
    entree_.operations.clear();
    for (const Fait& f : operations) entree_.operations.append({f, ActionOperation::Laissee});
}

int SuiviQuestion::depuisLeDebut() const {
    const qint64 ms = Horloge::maintenant().toMSecsSinceEpoch() - debut_;
    return static_cast<int>(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max()));
}

void SuiviQuestion::premiereAction() {
    if (entree_.msPremiere < 0) entree_.msPremiere = depuisLeDebut();
}

void SuiviQuestion::reponse(const QString& texte, bool juste) {
    if (!enCours_ || dejaJuste_) return;
    if (entree_.essais == 0) {
        entree_.reponse = texte;
        entree_.justePremierCoup = juste && !entree_.finCreature;
    }
    premiereAction();
    ++entree_.essais;
    if (juste) {
        entree_.msFin = depuisLeDebut();
        dejaJuste_ = true;
    }
}

void SuiviQuestion::action(int rang, ActionOperation action, bool compteCommeEssai) {
    if (!enCours_) return;
    premiereAction();
    if (rang >= 0 && rang < entree_.operations.size()) entree_.operations[rang].action = action;
    if (compteCommeEssai) ++entree_.essais;
}

void SuiviQuestion::essai(bool juste) {
    if (!enCours_) return;
    premiereAction();
    if (entree_.essais == 0) entree_.justePremierCoup = juste && !entree_.finCreature;
    ++entree_.essais;
}

EntreeJournal SuiviQuestion::termine() {
    enCours_ = false;
    // Exercises 3 and 4 keep the time to their end; the typed answers, the time to the right one.
    if (entree_.typeExercice == 3 || entree_.typeExercice == 4) entree_.msFin = depuisLeDebut();
    if (entree_.finCreature && !dejaJuste_) entree_.justePremierCoup = false;
    return entree_;
}
