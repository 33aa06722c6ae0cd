#pragma once
// The facts a child learns together: 7×8, 8×7, 56÷7 and 56÷8 are one family; 3+7, 7+3, 10-3 and
// 10-7 another. Practising one of them helps the others (the same number triple is recalled).
#include "logique/journal/Fait.h"

#include <QtGlobal>

namespace FamilleDeFaits {
// 0 for + and -, 1 for × and ÷.
int groupe(const Fait& fait);
// The two numbers the family is made of, smaller first: 3 and 7 for "10-3=7", 7 and 8 for "56÷8=7".
std::pair<int, int> operandes(const Fait& fait);
// One number per family, the same for its four facts.
qint64 code(const Fait& fait);
// One number per fact.
qint64 codeFait(const Fait& fait);
}
