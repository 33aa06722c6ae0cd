#pragma once
// The cells of a CSV file as a teacher's spreadsheet or school software writes it: UTF-8 (with
// or without its byte-order mark), Windows-1252 (decided line by line, for files where both were
// pasted) or UTF-16 with its mark; ";", tab or "," between cells; quoted cells that may hold
// separators, doubled quotes and line ends.
#include "logique/base/Erreurs.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Avancement;

namespace TableauCsv {
// A line that is no text in any of those encodings (a picture, a document, UTF-16 without its mark).
class TexteIllisible : public ErreurFichier {
public:
    explicit TexteIllisible(int ligne)
        : ErreurFichier(QStringLiteral("La ligne %1 n'est pas du texte.").arg(ligne)), ligne(ligne) {}
    const int ligne;  // from 1
};

// Tells a header row (ListeLue::estEntete), so that the separator is the header's.
using EstEntete = std::function<bool(const QStringList&)>;

// The text of the bytes (DecodageTexte). Throws TexteIllisible.
QString decode(const QByteArray& octets);
// The separator of the first non-empty lines (the first 20): the one that splits the most of
// them into the same number of cells (a title line above does not count; ";" before tab before
// "," when even, ";" when there is none, one cell a line), unless only another one cuts a header
// (`estEntete`) into several cells.
QChar separateur(const QString& texte, const EstEntete& estEntete = {});
// One list of cells per record, empty records included, so that record n is at index n − 1.
// Reports its progress to `avancement` every few thousand characters (and stops there when asked
// to, TravailAnnule). Throws TexteIllisible.
QList<QStringList> lit(const QByteArray& octets, Avancement* avancement = nullptr, const EstEntete& estEntete = {});
}
