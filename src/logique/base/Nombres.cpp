#include "logique/base/Nombres.h"

#include "logique/base/Erreurs.h"

#include <cmath>
#include <cstdint>

namespace Nombres {
std::optional<int> lit(const QString& texte) {
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && texte[i] == QLatin1Char(' ')) ++i;
    bool negatif = false;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-'))) {
        negatif = texte[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && (texte[i] == QLatin1Char('$') || texte[i] == QLatin1Char('x') || texte[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && texte[i] == QLatin1Char('0') &&
               (texte[i + 1] == QLatin1Char('x') || texte[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n) return std::nullopt;
    std::uint64_t valeur = 0;
    for (; i < n; ++i) {
        const int chiffre = texte[i].isDigit() && texte[i].unicode() < 128 ? texte[i].unicode() - '0'
                            : base == 16 && texte[i].toLower() >= QLatin1Char('a') && texte[i].toLower() <= QLatin1Char('f')
                                ? texte[i].toLower().unicode() - 'a' + 10
                                : -1;
        if (chiffre < 0) return std::nullopt;
        valeur = valeur * base + chiffre;
        if (valeur > 0xFFFFFFFFull) return std::nullopt;
    }
    if (base == 16) {
        // Hexadecimal covers the 32 bits, as the usual run-time conversion does.
        const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(valeur));
        return negatif ? static_cast<int>(-static_cast<std::int64_t>(bits)) : bits;
    }
    if (negatif) {
        if (valeur > 2147483648ull) return std::nullopt;
        return static_cast<int>(-static_cast<std::int64_t>(valeur));
    }
    if (valeur > 2147483647ull) return std::nullopt;
    return static_cast<int>(valeur);
}

int entier(const QString& texte) {
    if (auto v = lit(texte)) return *v;
    throw ErreurConversion(QStringLiteral("« %1 » n'est pas un nombre entier correct.").arg(texte));
}

int arrondi(double valeur) { return static_cast<int>(std::nearbyint(valeur)); }
}  // namespace Nombres
