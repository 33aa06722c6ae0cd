#include "logique/sons/Phrases.h"

#include <QRegularExpression>

#include <array>

namespace {
const std::array<const char*, 17> Unites{"zéro", "un",  "deux", "trois", "quatre", "cinq",     "six",    "sept", "huit",
                                         "neuf", "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize"};
const std::array<const char*, 7> Dizaines{"", "dix", "vingt", "trente", "quarante", "cinquante", "soixante"};

QString u(int n) { return QString::fromUtf8(Unites[static_cast<std::size_t>(n)]); }

// 0 < n < 100. `fin`: nothing follows, so "quatre-vingts" keeps its s.
QString moinsDeCent(int n, bool fin) {
    if (n < 17) return u(n);
    if (n < 20) return QStringLiteral("dix-") + u(n - 10);
    int dizaine = n / 10;
    int reste = n % 10;
    // 70 to 79 and 90 to 99 count on from sixty and eighty.
    if (dizaine == 7 || dizaine == 9) {
        --dizaine;
        reste += 10;
    }
    QString base = dizaine == 8 ? QStringLiteral("quatre-vingt") : QString::fromUtf8(Dizaines[static_cast<std::size_t>(dizaine)]);
    if (dizaine == 8 && n % 20 == 0) {
        if (reste == 0) return fin ? base + QLatin1Char('s') : base;
    }
    if (reste == 0) return base;
    if ((reste == 1 || reste == 11) && dizaine != 8) return base + QStringLiteral(" et ") + moinsDeCent(reste, true);
    return base + QLatin1Char('-') + moinsDeCent(reste, true);
}

// The statements said shorter, as written (blanks folded) and as said.
struct DitCourt {
    const char* ecrit;
    const char* dit;
};
constexpr std::array<DitCourt, 5> DitsCourts{{
    {"Aide le poisson à trouver le résultat de l'opération", "Trouve le résultat."},
    {"Vite, aide le poisson à trouver le résultat de l'opération avant que le requin n'éclate la bulle!",
     "Vite, trouve le résultat avant le requin !"},
    {"Tape la réponse au clavier, puis tape sur \"entrée\" ou clique sur le poisson jaune pour valider",
     "Tape ta réponse, puis entrée."},
    {"Tape la réponse au clavier, puis tape sur \"entrée\"", "Puis entrée."},
    {"Tape la réponse au clavier ou clique sur la réponse au fond de l'eau, puis tape sur \"entrée\" ou clique sur le poisson "
     "jaune pour valider",
     "Tape ou clique en bas, puis entrée."},
}};

QString ditCourt(const QString& ecrit) {
    for (const DitCourt& d : DitsCourts)
        if (ecrit == QString::fromUtf8(d.ecrit)) return QString::fromUtf8(d.dit);
    return ecrit;
}

// 0 < n < 1000.
QString moinsDeMille(int n, bool fin) {
    const int centaines = n / 100;
    const int reste = n % 100;
    QString texte;
    if (centaines > 0) {
        texte = centaines == 1 ? QStringLiteral("cent") : u(centaines) + QStringLiteral(" cent");
        if (centaines > 1 && reste == 0 && fin) texte += QLatin1Char('s');
        if (reste == 0) return texte;
        texte += QLatin1Char(' ');
    }
    return texte + moinsDeCent(reste, fin);
}
}  // namespace

namespace Phrases {
QString nombre(std::int64_t n) {
    if (n == 0) return u(0);
    if (n < 0) return QStringLiteral("moins ") + nombre(-(n + 1) + 1);
    struct Rang {
        std::int64_t valeur;
        const char* nom;  // a noun (plural s) but "mille", invariable
    };
    constexpr std::array<Rang, 3> Rangs{{{1'000'000'000, "milliard"}, {1'000'000, "million"}, {1'000, "mille"}}};
    QStringList mots;
    for (const Rang& r : Rangs) {
        const std::int64_t combien = n / r.valeur;
        n %= r.valeur;
        if (combien == 0) continue;
        const bool mille = r.valeur == 1'000;
        if (mille) {
            mots << (combien == 1 ? QStringLiteral("mille")
                                  : moinsDeMille(static_cast<int>(combien), false) + QStringLiteral(" mille"));
        } else {
            // Past a thousand millions the count of milliards is itself a number in words.
            const QString compte = combien < 1000 ? moinsDeMille(static_cast<int>(combien), true) : nombre(combien);
            mots << compte + QLatin1Char(' ') + QString::fromLatin1(r.nom) + (combien > 1 ? QStringLiteral("s") : QString());
        }
    }
    if (n > 0) mots << moinsDeMille(static_cast<int>(n), true);
    return mots.join(QLatin1Char(' '));
}

QString mot(Operation operation) {
    switch (operation) {
        case Operation::Addition: return QStringLiteral("plus");
        case Operation::Soustraction: return QStringLiteral("moins");
        case Operation::Multiplication: return QStringLiteral("fois");
        default: return QStringLiteral("divisé par");
    }
}

QString operation(std::int64_t gauche, Operation op, std::int64_t droite) {
    return nombre(gauche) + QLatin1Char(' ') + mot(op) + QLatin1Char(' ') + nombre(droite);
}

QString aTrou(std::int64_t gauche, Operation op, std::int64_t droite, std::int64_t resultat, bool trouAGauche) {
    const QString combien = QStringLiteral("combien");
    return (trouAGauche ? combien : nombre(gauche)) + QLatin1Char(' ') + mot(op) + QLatin1Char(' ') +
           (trouAGauche ? nombre(droite) : combien) + QStringLiteral(" égale ") + nombre(resultat);
}

QString intrus(const QStringList& operations) { return operations.join(QStringLiteral(", ")); }

QString consigne(const QStringList& enonces) {
    static const QRegularExpression blancs(QStringLiteral("\\s+"));
    QStringList phrases;
    for (const QString& enonce : enonces) {
        const QString texte = ditCourt(QString(enonce).replace(blancs, QStringLiteral(" ")).trimmed());
        if (texte.isEmpty()) continue;
        if (!phrases.isEmpty() && !phrases.last().back().isPunct()) phrases.last() += QLatin1Char('.');
        phrases << texte;
    }
    return phrases.join(QLatin1Char(' '));
}

QString prononciation(const QString& question) {
    static const QRegularExpression plus(QStringLiteral("\\bplus\\b"));
    return QString(question).replace(plus, QStringLiteral("pluss"));
}
}  // namespace Phrases
