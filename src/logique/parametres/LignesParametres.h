#pragma once
// The reading rules of single parameter-file lines. The files are meant for people too: a setting
// is a value, " - " and a French description, and only the text before the first "-" counts.
#include "logique/parametres/ParameterFiles.h"

#include <QString>

namespace LignesParametres {
// Characters `premier` to `dernier` (counted from 1, both included); empty when `dernier` < `premier`.
QString caracteres(const QString& ligne, qsizetype premier, qsizetype dernier);

// Position (from 1) of the first occurrence of `mot`, 0 when absent.
qsizetype position(const QString& ligne, const QString& mot);

// Value of a line holding "-": the text before the first "-" without its last character (the blank).
QString valeur(const QString& ligne);

// The entry of a table line, taken apart by its words ("sur", "de", "à", "avec"), so negative
// numbers survive; operation -1 when the line names none. Throws ErreurConversion.
EntreeTable entree(const QString& ligne);

// Code of a teacher's profile-saving line: its third character up to two before the first "-".
QString codeSauvegarde(const QString& ligne);
}
