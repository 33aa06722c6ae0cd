#include "ecrans/exercices/TTestDepart.h"

#include "logique/base/Horloge.h"
#include "logique/etat/SharedState.h"
#include "logique/parametres/BlocTestDeDepart.h"

namespace {
qint64 maintenantMs() { return Horloge::maintenant().toMSecsSinceEpoch(); }
}  // namespace

TTestDepart::TTestDepart()
    : TExo1(QStringLiteral("TestDepart"), QStringLiteral("Test de départ"),
            QStringLiteral("Petit test\u00A0: trouve le résultat de chaque opération")) {}

void TTestDepart::FormShow() {
    SharedState& e = Etat();
    operations_ = BlocTestDeDepart::operationsTestees(e.entreesTables());
    // Whatever the sequence or the chooser set: the whale, no help, no strip, and room for every
    // operation's questions (the crab's steps); the count is cut to the questions asked at the end.
    e.TypeExercice = BlocTestDeDepart::Type;
    e.TempsDeReponse = 0;
    e.AvecPirate = false;
    e.TypeAide = 2;
    e.BandeNumerique = 10;
    e.NombreDeQuestions = Depart::QuestionsAuPlus * int(operations_.size());
    commenceOperation(0);
    TExo1::FormShow();
}

void TTestDepart::commenceOperation(int rang) {
    rang_ = rang;
    test_.emplace(operations_[rang]);
    debutMs_ = maintenantMs();
}

void TTestDepart::tireQuestion() {
    // A test always has a question to ask here: questionNotee moves on when one is over.
    const Depart::QuestionDepart q = test_->questionSuivante().value_or(Depart::QuestionDepart{1, 1});
    const Operation o = test_->operation();
    const int resultat = o == Operation::Addition ? q.gauche + q.droite : q.gauche * q.droite;
    question_ = QuestionOperation{q.gauche, q.droite, resultat, o, false};
}

void TTestDepart::questionNotee(const EntreeJournal& entree) {
    if (!test_ || test_->fini()) return;
    test_->repond(entree.justePremierCoup, entree.msPremiere, maintenantMs() - debutMs_);
    if (!test_->fini()) return;
    if (rang_ + 1 < operations_.size()) {
        commenceOperation(rang_ + 1);
        return;
    }
    // The last test knows enough: this question ends the exercise.
    Etat().NombreDeQuestions = partie_.NumeroQuestion;
}
