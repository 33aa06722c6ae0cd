#pragma once
// The standard whole-number conversion of the program: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X"; the whole text must
// be used and the value must fit a signed 32-bit integer.
#include <QString>
#include <optional>

namespace Nombres {
std::optional<int> lit(const QString& texte);
// Throws ErreurConversion with a French message when the text is not a whole number.
int entier(const QString& texte);
// Rounds to the nearest integer, halves to even (the rounding of every computed size and step).
int arrondi(double valeur);
}
