#pragma once
// Word-wrapped captions whose lines are of even length: a paragraph too long for one line is cut
// near its middle, never leaving a word or two alone on the last line.
#include <QFont>
#include <QString>
#include <QStringList>

namespace LignesEquilibrees {
// The text as French typography lays it out: a no-break space before ":", "!", "?", ";" and "»"
// and after "«", and a hyphen between two letters or digits joined to the next one, so that no
// line starts with a sign and "Voulez-vous" is never cut. Only the kind of space changes.
QString typographie(const QString& texte);
// The narrowest width, at most `largeurMax`, at which the text takes no more lines than at
// `largeurMax`.
int largeur(const QFont& police, const QString& texte, int largeurMax);
// The lines of the text, after its typographie, as a word-wrapped label of this width lays them out.
QStringList lignes(const QFont& police, const QString& texte, int largeur);
// The text as it fits one line of this width: whole, else its first words followed by "…" (a
// name is never cut inside a word, "Marie-Charlotte de La…"); only a first word too long for the
// line is itself cut at its end.
QString finDeMot(const QFont& police, const QString& texte, int largeur);
}
