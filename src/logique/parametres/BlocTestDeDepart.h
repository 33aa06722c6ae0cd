#pragma once
// What the block of a starting test (exercise kind 6) says: the operations tested are those of its
// table entries, addition and multiplication only, each written as its ten tables on 1..10 (the
// hundred facts the test may ask); a block that names none tests the multiplications.
#include "logique/base/Operation.h"
#include "logique/etat/EntreeTable.h"

#include <QList>
#include <QString>

namespace BlocTestDeDepart {
constexpr int Type = 6;

// The operations the entries name, addition first; other operations are passed over.
QList<Operation> operationsNommees(const QList<EntreeTable>& entrees);
// What the test asks: the operations named, or the multiplications when none is.
QList<Operation> operationsTestees(const QList<EntreeTable>& entrees);
// The entries a block writes for these operations: tables 1 to 10 on 1..10 of each, in order.
QList<EntreeTable> entrees(const QList<Operation>& operations);
// "test de départ des additions et des multiplications": the label of the defined exercise.
QString libelle(const QList<Operation>& operations);
}  // namespace BlocTestDeDepart
