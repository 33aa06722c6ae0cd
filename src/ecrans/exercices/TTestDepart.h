#pragma once
// The starting test, "Test de départ": exercise 1's screen and machinery with the whale (no time
// limit shown, the answer time still measured, no help), asking what the adaptive test of each
// operation named chooses, additions before multiplications. A right answer brings the next
// question at once, without the seahorse's pickup; the exercise ends when every operation's test
// knows enough, and is recorded, journaled and summed up as exercise 1 is.
#include "ecrans/exercices/TExo1.h"
#include "logique/base/Operation.h"
#include "logique/depart/TestDeDepart.h"

#include <QList>
#include <optional>

class TTestDepart final : public TExo1 {
    Q_OBJECT
public:
    TTestDepart();
    // The operations tested, in order, and the test under way (none before the first showing).
    const QList<Operation>& operations() const { return operations_; }
    const Depart::TestDeDepart* testEnCours() const { return test_ ? &*test_ : nullptr; }

protected:
    void FormShow() override;
    void tireQuestion() override;
    bool avecRamassage() const override { return false; }
    void questionNotee(const EntreeJournal& entree) override;

private:
    void commenceOperation(int rang);

    QList<Operation> operations_;
    int rang_ = 0;
    std::optional<Depart::TestDeDepart> test_;
    qint64 debutMs_ = 0;  // when the test of this operation began, by the program's clock
};
