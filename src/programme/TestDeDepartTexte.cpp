#include "programme/TestDeDepartTexte.h"

#include "logique/depart/TestDeDepart.h"

#include <QIODevice>
#include <QTextStream>

namespace {
const QString Option = QStringLiteral("--test-de-depart");

void dit(const QString& texte) { std::fputs((texte + QLatin1Char('\n')).toLocal8Bit().constData(), stderr); }

void ecrit(std::FILE* sortie, const QString& ligne) {
    std::fputs((ligne + QLatin1Char('\n')).toUtf8().constData(), sortie);
    std::fflush(sortie);
}

std::optional<Operation> operationDe(const QString& texte) {
    if (texte == QStringLiteral("+") || texte == QStringLiteral("0")) return Operation::Addition;
    if (texte == QStringLiteral("×") || texte == QStringLiteral("x") || texte == QStringLiteral("X") ||
        texte == QStringLiteral("*") || texte == QStringLiteral("2"))
        return Operation::Multiplication;
    return std::nullopt;
}

// "1;2300" or "1;2300;0.83": right or not, the time in ms (negative when unknown: no answer was
// typed). Nothing for a line that is neither.
std::optional<std::pair<bool, int>> reponseDe(const QString& ligne) {
    const QStringList champs = ligne.trimmed().split(QLatin1Char(';'));
    if (champs.size() < 2) return std::nullopt;
    const QString juste = champs[0].trimmed().toLower();
    bool entier = false;
    const double ms = champs[1].trimmed().toDouble(&entier);
    if (!entier) return std::nullopt;
    if (juste == QStringLiteral("1") || juste == QStringLiteral("oui") || juste == QStringLiteral("true"))
        return std::pair{true, int(qMax(-1.0, ms))};
    if (juste == QStringLiteral("0") || juste == QStringLiteral("non") || juste == QStringLiteral("false"))
        return std::pair{false, int(qMax(-1.0, ms))};
    return std::nullopt;
}
}  // namespace

namespace TestDeDepartTexte {
std::optional<Demande> lit(const QStringList& arguments) {
    const qsizetype i = arguments.indexOf(Option);
    if (i < 0) return std::nullopt;
    Demande d;
    if (arguments.size() == 3 && i == 1) {
        d.operation = arguments[2];
        d.complete = true;
    }
    return d;
}

int execute(const Demande& demande, std::FILE* entree, std::FILE* sortie) {
    const std::optional<Operation> operation = demande.complete ? operationDe(demande.operation) : std::nullopt;
    if (!operation) {
        dit(QStringLiteral("Usage : marivelle --test-de-depart <op>\n"
                           "  <op> : + ou ×. Chaque question s'écrit « gauche;op;droite » (op 0 pour +, 2 pour ×), "
                           "chaque réponse se lit « juste;ms » (1 ou 0, puis le temps en millisecondes) ; "
                           "à la fin, les 100 estimations sur une ligne."));
        return 2;
    }
    Depart::TestDeDepart test(*operation);
    QTextStream lecture(entree, QIODevice::ReadOnly);
    while (const auto question = test.questionSuivante()) {
        ecrit(sortie, QStringLiteral("%1;%2;%3").arg(question->gauche).arg(int(*operation)).arg(question->droite));
        std::optional<std::pair<bool, int>> reponse;
        while (!reponse) {
            QString ligne;
            if (!lecture.readLineInto(&ligne)) {
                dit(QStringLiteral("L'entrée s'est terminée avant la fin du test."));
                return 1;
            }
            reponse = reponseDe(ligne);
            if (!reponse)
                dit(QStringLiteral("Réponse illisible « %1 » : il faut « juste;ms », par exemple « 1;2300 ».").arg(ligne));
        }
        test.repond(reponse->first, reponse->second);
    }
    QStringList estimations;
    for (const double p : test.estimations()) estimations << QString::number(p, 'f', 4);
    ecrit(sortie, estimations.join(QLatin1Char(';')));
    return 0;
}
}  // namespace TestDeDepartTexte
