#pragma once
// Cells, rows and column widths of one worksheet part, edited in its XML tree so that everything
// else in the part stays as it was. Rows and cells are kept in ascending order.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <pugixml.hpp>

namespace FeuilleXlsx {
// "A" for 1, "Z" for 26, "AA" for 27.
QString lettres(int colonne);

// Beyond any sheet (16,384 columns, 1,048,576 rows), so that any position read from a file stays
// far from the limits of an int, however many letters or digits it has.
constexpr int PositionMax = 1 << 24;
struct Reference {
    int ligne = 0;
    int colonne = 0;
};
// "B12" → column 2 and row 12; a part that is absent or unreadable is 0, a larger one
// PositionMax. A row's own reference is its digits alone ("12").
Reference reference(QByteArrayView texte);

class Feuille final {
public:
    // `partages`: the workbook's shared strings, for cells that refer to them.
    Feuille(pugi::xml_document& document, const QStringList* partages);

    // The text or number held by a cell, as text; empty when the cell is absent.
    QString lit(int ligne, int colonne) const;
    // The last row of the sheet's data (0 when none).
    int derniereLigne() const;
    // The last column holding a cell among the given rows (0 when none).
    int derniereColonne(int premiereLigne, int derniereLigne) const;

    void ecritTexte(int ligne, int colonne, const QString& texte, int style);
    void ecritNombre(int ligne, int colonne, double valeur, int style);
    // Widens the column to at least `largeur` characters.
    void elargit(int colonne, double largeur);
    // Raises the row to at least `hauteur` points.
    void rehausse(int ligne, double hauteur);
    // Current width of the column (0 when the default applies).
    double largeur(int colonne) const;
    // Selects or deselects the sheet's tab (its first view); true when that changed the part.
    bool selectionne(bool oui);

private:
    pugi::xml_node ligneNoeud(int ligne, bool cree) const;
    pugi::xml_node cellule(int ligne, int colonne, bool cree) const;
    pugi::xml_node prepareCellule(int ligne, int colonne, int style);
    void etendDimension(int ligne, int colonne);
    QString nomQualifie(const char* local) const;

    mutable pugi::xml_node racine_;
    mutable pugi::xml_node donnees_;
    const QStringList* partages_;
};
}  // namespace FeuilleXlsx
