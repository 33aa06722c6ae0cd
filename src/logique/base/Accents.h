#pragma once
// Letters without their accents, for comparing what people type ("Élève", "eleve"): é → e,
// Ç → C, œ and ß unchanged; the case is kept.
#include <QString>

namespace Accents {
QString retire(const QString& texte);
}
