#include "logique/parametres/EntreesTables.h"

#include "logique/base/Nombres.h"

#include <QRegularExpression>

namespace EntreesTables {
namespace {
const QString kMarqueurs[] = {QStringLiteral("(+)"), QStringLiteral("(-)"), QStringLiteral("(x)"), QStringLiteral("(/)")};

int operationDe(const QString& marque) {
    for (int op = 0; op < 4; ++op)
        if (marque == kMarqueurs[op]) return op;
    return -1;
}

const QString Relatifs = QStringLiteral("Vous ne pouvez rentrer que des nombres relatifs");
}  // namespace

QString marqueur(int operation) { return operation >= 0 && operation < 4 ? kMarqueurs[operation] : QString(); }

QString texte(const EntreeTable& e) {
    if (e.complement()) return marqueur(e.operation) + QStringLiteral(" compléments à ") + QString::number(e.second);
    return marqueur(e.operation) + QStringLiteral(" table de ") + QString::number(e.premier) + QStringLiteral(" sur [") +
           QString::number(e.second) + QStringLiteral("..") + QString::number(e.troisieme) + QStringLiteral("]");
}

std::optional<EntreeTable> lit(const QString& t) {
    static const QRegularExpression table(QStringLiteral(R"(^(\(.\)) table de (-?\d+) sur \[(-?\d+)\.\.(-?\d+)\]$)"));
    static const QRegularExpression complement(QStringLiteral(R"(^(\(.\)) compléments à (-?\d+)$)"));
    if (const auto m = table.match(t); m.hasMatch()) {
        const int op = operationDe(m.captured(1));
        const auto n = Nombres::lit(m.captured(2)), a = Nombres::lit(m.captured(3)), b = Nombres::lit(m.captured(4));
        if (op < 0 || !n || !a || !b) return std::nullopt;
        return EntreeTable::table(*n, *a, *b, op);
    }
    if (const auto m = complement.match(t); m.hasMatch()) {
        const int op = operationDe(m.captured(1));
        const auto c = Nombres::lit(m.captured(2));
        if (op < 0 || !c) return std::nullopt;
        return EntreeTable::complement(*c, op);
    }
    return std::nullopt;
}

bool successeursPossibles(const QList<EntreeTable>& entrees) {
    for (const EntreeTable& e : entrees) {
        const qint64 suivant = qint64(e.premier) + 1;  // no overflow for the largest table number
        if (!e.complement() && e.second <= suivant && suivant <= e.troisieme) return true;
    }
    return false;
}

bool doublesPossibles(const QList<EntreeTable>& entrees) {
    for (const EntreeTable& e : entrees)
        if (!e.complement() && e.second <= e.premier && e.premier <= e.troisieme) return true;
    return false;
}

Ajout ajoute(const Demande& d) {
    if (d.operation < 0 || d.operation > 3) return {QStringLiteral("Vous devez préciser une opération"), {}};
    switch (d.mode) {
        case Mode::Aucun: return {};
        case Mode::Precise: {
            if (!d.numeroCourant) return {QStringLiteral("Vous devez cocher des tables"), {}};
            Ajout ajout;
            for (int n : d.numerosCoches) ajout.entrees << EntreeTable::table(n, 1, 10, d.operation);
            return ajout;
        }
        case Mode::Intervalle: {
            if (d.table.isEmpty()) return {QStringLiteral("Vous devez préciser une table"), {}};
            if (d.gauche.isEmpty()) return {QStringLiteral("Vous devez préciser l'intervalle gauche"), {}};
            if (d.droite.isEmpty()) return {QStringLiteral("Vous devez préciser l'intervalle droit"), {}};
            const auto a = Nombres::lit(d.gauche), b = Nombres::lit(d.droite);
            if (!a || !b) return {Relatifs, {}};
            if (*a > *b) return {QStringLiteral("L'intervalle doit être écrit dans l'ordre croissant"), {}};
            const auto n = Nombres::lit(d.table);
            if (!n) return {Relatifs, {}};
            return {{}, {EntreeTable::table(*n, *a, *b, d.operation)}};
        }
        case Mode::Complement: {
            if (d.complement.isEmpty()) return {QStringLiteral("Vous devez préciser un complément"), {}};
            const auto c = Nombres::lit(d.complement);
            if (!c) return {Relatifs, {}};
            return {{}, {EntreeTable::complement(*c, d.operation)}};
        }
    }
    return {};
}
}  // namespace EntreesTables
