#pragma once
// The table of a sheet as its reader finds the cells, within the bounds of a class list
// (BornesClasseur). Rows and cells are placed at their position, the gaps before them left empty;
// empty cells and rows are never stored, so that the empty rows and cells a sheet repeats to the
// end of its grid cost nothing. Every bound is checked before the table grows.
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class GrilleLue final {
public:
    // `chemin`: the workbook, named in refusals.
    explicit GrilleLue(const QString& chemin) : chemin_(chemin) {}

    // A cell's text as it is read: no more than one character past CaracteresCelluleMax is kept,
    // so that a text too long costs no more than that and is refused when its cell is placed.
    static void ajoute(QString& texte, QByteArrayView utf8);
    static void ajouteEspaces(QString& texte, qint64 nombre);

    // A cell of the row being read, at `colonne` (from 1), `fois` times side by side.
    void cellule(qint64 colonne, const QString& texte, qint64 fois = 1);
    // Ends the row being read: it is placed at `ligne` (from 1), `fois` times one under another.
    void finLigne(qint64 ligne, qint64 fois = 1);
    // Text kept beside the table while it is read (the workbook's shared strings).
    void compte(qint64 caracteres);

    QList<QStringList> tableau() const { return lignes_; }

private:
    void depense(qint64 unites);

    QString chemin_;
    QList<QStringList> lignes_;
    QStringList ligne_;
    qint64 coutLigne_ = 0;
    qint64 depense_ = 0;
};
