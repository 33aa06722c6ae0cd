#include "ecrans/exercices/TRevision.h"

#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/journal/MagasinJournal.h"
#include "logique/revision/ModeleDeLaClasse.h"
#include "logique/revision/RevisionEleve.h"
#include "logique/revision/SeuilClasse.h"
#include "logique/etat/SharedState.h"
#include "ecrans/session/SequenceDriver.h"

namespace {
// A no-break space keeps each mark on its line.
const QString RienARevoir = QStringLiteral(
    "Tu n'as aucun calcul à revoir aujourd'hui\u00A0: ceux que tu as déjà faits, tu les connais bien. Bravo\u00A0!");
const QString RienRencontre = QStringLiteral(
    "Tu n'as encore fait aucun de ces calculs\u00A0: il n'y a rien à revoir pour l'instant. "
    "Tu pourras les revoir quand tu t'y seras entraîné.");
// The child is told it plainly; the reason (a file, a database's words) goes to the teacher.
const QString JournalIllisible = QStringLiteral("Tes réponses des jours passés ne peuvent pas être lues pour le moment.");
const QString Proposition = QStringLiteral("Veux-tu faire l'exercice habituel, donner le résultat\u00A0?");
}  // namespace

// The instruction line names the review, so that a child knows it from exercise 1; short, as the
// voice reads it too.
TRevision::TRevision()
    : TExo1(QStringLiteral("Revision"), QStringLiteral("Révision des faits à revoir"),
            QStringLiteral("Révision\u00A0: aide le poisson à trouver le résultat"),
            QStringLiteral("Révision\u00A0: vite, aide le poisson\navant que le requin n'éclate la bulle\u00A0!")) {}

void TRevision::FormShow() {
    if (prepareTirage()) {
        TExo1::FormShow();
        return;
    }
    // Declined: this screen leaves once its showing is over, as after an exercise without
    // anything to record or sum up.
    QMetaObject::invokeMethod(
        this, [this] { EnchaineApresExercice(Etat(), this, false); }, Qt::QueuedConnection);
}

bool TRevision::prepareTirage() {
    SharedState& e = Etat();
    tirage_.reset();
    QList<EntreeJournal> entrees;
    QList<ReponseResumee> classe;
    QString raison;
    if (e.NomEleve != EleveSansId) {
        try {
            entrees = Revision::litEntrees(e.NomEnseignant, e.NomEleve, e.RepertoireClasse);
            classe = Revision::reponsesDeLaClasse(e.NomEnseignant, e.NomEleve, e.RepertoireClasse, entrees);
        } catch (const ErreurJournal& erreur) {
            raison = erreur.message();
        }
    }
    const QList<EntreeTable> tables = Revision::tablesDeLEleve(e, entrees);
    bool rienDeRencontre = false;
    const QDateTime maintenant = Horloge::maintenant();
    if (raison.isEmpty()) {
        // Due: what the memory model gives below the class's success aimed at, as the teacher's
        // progress view sets it. The class's parameters are fitted again off this thread.
        Revision::reajusteEnFond(e.RepertoireClasse, classe, maintenant);
        const ModeleMemoire modele(Revision::parametresDeLaClasse(e.RepertoireClasse), classe);
        const double cible = Revision::litReussiteVisee(e.RepertoireClasse) / 100.0;
        Revision::TirageRevision tirage(Revision::estimeLEleve(modele, e.NomEleve, maintenant.toMSecsSinceEpoch(), cible),
                                        Revision::faitsDesTables(tables, Revision::operationChoisie(e)));
        if (!tirage.rienADue()) {
            e.TypeExercice = 5;
            tirage_.emplace(std::move(tirage));
            return true;
        }
        rienDeRencontre = tirage.rienDeRencontre();
    }
    // The ordinary exercise 1, recorded as such, on the pupil's tables (free practice already
    // holds them with the chosen sign).
    if (!raison.isEmpty())
        AvisEnseignant::note(e.RepertoireClasse,
                             raison + QStringLiteral(" La révision de %1 a laissé place à l'exercice 1.").arg(e.NomEleve));
    const QString pourquoi = !raison.isEmpty() ? JournalIllisible : rienDeRencontre ? RienRencontre : RienARevoir;
    if (!Messages::confirmation(pourquoi + QStringLiteral("\n\n") + Proposition, QStringLiteral("Révision"))) return false;
    e.TypeExercice = 1;
    if (!e.EnPratiqueLibre) e.remplaceEntrees(tables);
    return true;
}

void TRevision::tireQuestion() {
    if (!tirage_) {
        TExo1::tireQuestion();
        return;
    }
    const Fait f = tirage_->tire();
    question_ = QuestionOperation{f.gauche, f.droite, f.resultat, f.operation, false};
}
