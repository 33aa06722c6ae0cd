#include "journal/Fait.h"

#include <QRegularExpression>

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
    return QString::number(gauche) + QLatin1Char(' ') + SigneOperation(operation) + QLatin1Char(' ') +
           QString::number(droite) + QStringLiteral(" = ") + QString::number(resultat);
}

bool LitCleFait(const QString& cle, Fait& fait) {
    static const QRegularExpression forme(QStringLiteral("^(-?\\d+)([+\\-\u00D7\u00F7])(-?\\d+)=(-?\\d+)$"));
    const QRegularExpressionMatch m = forme.match(cle);
    if (!m.hasMatch()) return false;
    const QString signe = m.captured(2);
    for (Operation o : {Operation::Addition, Operation::Soustraction, Operation::Multiplication, Operation::Division})
        if (SigneOperation(o) == signe) fait.operation = o;
    fait.gauche = m.captured(1).toInt();
    fait.droite = m.captured(3).toInt();
    fait.resultat = m.captured(4).toInt();
    return true;
}
