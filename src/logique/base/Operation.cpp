#include "logique/base/Operation.h"

QString SigneOperation(Operation operation) {
    switch (operation) {
        case Operation::Addition: return QStringLiteral("+");
        case Operation::Soustraction: return QStringLiteral("-");
        case Operation::Multiplication: return QString(QChar(0x00D7));
        default: return QString(QChar(0x00F7));
    }
}
