#pragma once
// Text from bytes that another program wrote: a settings file saved from another editor, a class
// list exported by school software or a spreadsheet. UTF-8 and Windows-1252 are told apart by
// the bytes themselves; UTF-16 only by its byte-order mark.
#include <QByteArrayView>
#include <QString>

namespace DecodageTexte {
// Valid UTF-8 from end to end: no longer form than needed, no surrogate, nothing past U+10FFFF.
bool estUtf8(QByteArrayView octets);

struct Texte {
    QString texte;
    int ligneIllisible = 0;  // the first line that is no text (from 1), texte then empty; 0 when all is
};
// UTF-16 (little or big end) after its mark; otherwise each line on its own, its mark dropped:
// UTF-8 when the line is valid UTF-8, else Windows-1252, so that one line saved by another
// program does not garble the others. A line holding a control character (other than tab and
// line ends), a byte Windows-1252 leaves unassigned or a broken UTF-16 pair is no text.
Texte decode(QByteArrayView octets);
}
