#include "logique/journal/Fait.h"

QString Fait::cle() const {
    return QString::number(gauche) + SigneOperation(operation) + QString::number(droite) + QLatin1Char('=') +
           QString::number(resultat);
}

QString Fait::famille() const {
    const bool commute = operation == Operation::Addition || operation == Operation::Multiplication;
    const int a = commute ? std::min(gauche, droite) : gauche;
    const int b = commute ? std::max(gauche, droite) : droite;
    return QString::number(a) + SigneOperation(operation) + QString::number(b);
}

QString Fait::texteLisible() const {
    return QString::number(gauche) + QLatin1Char(' ') + SigneOperation(operation) + QLatin1Char(' ') + QString::number(droite) +
           QStringLiteral(" = ") + QString::number(resultat);
}

bool Fait::estPossible() const {
    const qint64 a = gauche, b = droite, r = resultat;
    switch (operation) {
        case Operation::Addition: return a + b == r;
        case Operation::Soustraction: return a - b == r;
        case Operation::Multiplication: return a * b == r;
        case Operation::Division: return b != 0 && a == b * r;
    }
    return false;
}
