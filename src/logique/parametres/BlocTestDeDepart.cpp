#include "logique/parametres/BlocTestDeDepart.h"

#include <algorithm>

namespace BlocTestDeDepart {
QList<Operation> operationsNommees(const QList<EntreeTable>& entrees) {
    QList<Operation> operations;
    for (const Operation o : {Operation::Addition, Operation::Multiplication})
        if (std::any_of(entrees.begin(), entrees.end(), [o](const EntreeTable& e) { return e.operation == int(o); }))
            operations << o;
    return operations;
}

QList<Operation> operationsTestees(const QList<EntreeTable>& entrees) {
    const QList<Operation> nommees = operationsNommees(entrees);
    return nommees.isEmpty() ? QList<Operation>{Operation::Multiplication} : nommees;
}

QList<EntreeTable> entrees(const QList<Operation>& operations) {
    QList<EntreeTable> tables;
    for (const Operation o : operations)
        for (int n = 1; n <= 10; ++n) tables << EntreeTable::table(n, 1, 10, int(o));
    return tables;
}

QString libelle(const QList<Operation>& operations) {
    QStringList noms;
    for (const Operation o : operations)
        noms << (o == Operation::Addition ? QStringLiteral("des additions") : QStringLiteral("des multiplications"));
    return QStringLiteral("test de départ ") + noms.join(QStringLiteral(" et "));
}
}  // namespace BlocTestDeDepart
