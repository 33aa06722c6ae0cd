#pragma once
// A class's fitted parameters as lines of text, to be kept in the class folder between two fits
// (the caller writes and reads the file). One line a value, each with its key: a line the reader
// does not know is passed over, so a later program may add some.
#include "logique/memoire/ParametresMemoire.h"

#include <QStringList>
#include <optional>

namespace ParametresTexte {
// `ajusteLe`: the moment of the fit (ms since 1970), kept on the first line.
QStringList lignes(const ParametresMemoire& parametres, qint64 ajusteLe);
struct Lus {
    ParametresMemoire parametres;
    qint64 ajusteLe = 0;
};
// None when the first line or a weight is missing or a number cannot be read.
std::optional<Lus> lit(const QStringList& lignes);
}  // namespace ParametresTexte
