#include "ecrans/exercices/TRevision.h"

#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/journal/MagasinJournal.h"
#include "logique/revision/RevisionEleve.h"
#include "logique/revision/SeuilClasse.h"
#include "logique/etat/SharedState.h"

namespace {
const QString RienARevoir = QStringLiteral(
    "Tu n'as aucun calcul à revoir aujourd'hui : tu les connais bien, bravo ! "
    "Tu vas faire l'exercice habituel : donner le résultat.");
// The child is told it plainly; the reason (a file, a database's words) goes to the teacher.
const QString JournalIllisible = QStringLiteral(
    "Tes réponses des jours passés ne peuvent pas être lues pour le moment. "
    "Tu vas faire l'exercice habituel : donner le résultat.");
}  // namespace

TRevision::TRevision() : TExo1(QStringLiteral("Revision"), QStringLiteral("Révision des faits à revoir")) {}

void TRevision::FormShow() {
    prepareTirage();
    TExo1::FormShow();
}

void TRevision::prepareTirage() {
    SharedState& e = Etat();
    tirage_.reset();
    QList<EntreeJournal> entrees;
    QString raison;
    if (e.NomEleve != EleveSansId) {
        try {
            entrees = Revision::litEntrees(e.NomEnseignant, e.NomEleve, e.RepertoireClasse);
        } catch (const ErreurJournal& erreur) {
            raison = erreur.message();
        }
    }
    const QList<EntreeTable> tables = Revision::tablesDeLEleve(e, entrees);
    const QDate aujourdhui = Horloge::maintenant().date();
    if (raison.isEmpty()) {
        // The class's fluency threshold, as the teacher's progress view sets it.
        Revision::TirageRevision tirage(Revision::calculeBoites(entrees, aujourdhui, Revision::litSeuil(e.RepertoireClasse)),
                                        Revision::faitsDesTables(tables, Revision::operationChoisie(e)), aujourdhui);
        if (!tirage.rienADue()) {
            e.TypeExercice = 5;
            tirage_.emplace(std::move(tirage));
            return;
        }
    }
    // The ordinary exercise 1, recorded as such, on the pupil's tables (free practice already
    // holds them with the chosen sign).
    if (!raison.isEmpty())
        AvisEnseignant::note(e.RepertoireClasse, raison + QStringLiteral(" La révision de %1 a laissé place à l'exercice 1.").arg(e.NomEleve));
    Messages::information(raison.isEmpty() ? RienARevoir : JournalIllisible);
    e.TypeExercice = 1;
    if (!e.EnPratiqueLibre) e.remplaceEntrees(tables);
}

void TRevision::tireQuestion() {
    if (!tirage_) {
        TExo1::tireQuestion();
        return;
    }
    const Fait f = tirage_->tire();
    question_ = QuestionOperation{f.gauche, f.droite, f.resultat, f.operation, false};
}
