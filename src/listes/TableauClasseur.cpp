#include "listes/TableauClasseur.h"

#include "base/Erreurs.h"
#include "results/ArchiveZip.h"
#include "results/FeuilleXlsx.h"
#include "results/XmlXlsx.h"

#include <QFileInfo>
#include <pugixml.hpp>

using namespace XmlXlsx;

namespace {
// A pupil list is a few hundred rows at most: a sheet claiming far more is not one.
constexpr int LignesMax = 10000;
constexpr int ColonnesMax = 200;

QString illisible(const QString& chemin) {
    return QStringLiteral("Le fichier « %1 » n'est pas un classeur lisible : la liste n'a pas été lue.")
        .arg(QFileInfo(chemin).fileName());
}

pugi::xml_document partie(const ArchiveZip& zip, const QString& nom, const QString& chemin) {
    pugi::xml_document document;
    if (!zip.contient(nom) || !lit(document, zip.lit(nom))) throw ErreurFichier(illisible(chemin));
    return document;
}

// A relationship target, relative to "xl/" unless it starts at the root.
QString cheminPartie(const char* cible) {
    const QString c = QString::fromUtf8(cible);
    return c.startsWith(QLatin1Char('/')) ? c.mid(1) : QStringLiteral("xl/") + c;
}

// The text of an OpenDocument paragraph: its text, with <text:s/> counted spaces, tabs and line
// breaks as blanks.
void ajouteTexteOds(pugi::xml_node noeud, QString& texte) {
    for (pugi::xml_node n = noeud.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
            texte += QString::fromUtf8(n.value());
        } else if (estNomme(n, "s")) {
            texte += QString(std::max(1, attributLocal(n, "c").as_int(1)), QLatin1Char(' '));
        } else if (estNomme(n, "tab") || estNomme(n, "line-break")) {
            texte += QLatin1Char(' ');
        } else if (!estNomme(n, "annotation")) {
            ajouteTexteOds(n, texte);
        }
    }
}

QString celluleOds(pugi::xml_node cellule) {
    QString texte;
    for (pugi::xml_node p = cellule.first_child(); p; p = p.next_sibling()) {
        if (!estNomme(p, "p")) continue;
        if (!texte.isEmpty()) texte += QLatin1Char(' ');
        ajouteTexteOds(p, texte);
    }
    if (texte.isEmpty()) texte = QString::fromUtf8(attributLocal(cellule, "value").as_string());
    return texte;
}

void retireCellulesVides(QStringList& cellules) {
    while (!cellules.isEmpty() && cellules.back().trimmed().isEmpty()) cellules.removeLast();
}
}  // namespace

namespace TableauClasseur {
QList<QStringList> xlsx(const QString& chemin) {
    const ArchiveZip zip(chemin, illisible(chemin));
    const pugi::xml_document classeur = partie(zip, QStringLiteral("xl/workbook.xml"), chemin);
    const pugi::xml_document relations = partie(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), chemin);
    const pugi::xml_node feuilles = enfant(classeur.document_element(), "sheets");
    const pugi::xml_node premiere = enfant(feuilles, "sheet");
    const QByteArray id = attributLocal(premiere, "id").as_string();
    QString cheminFeuille;
    QStringList partages;
    for (pugi::xml_node r = relations.document_element().first_child(); r; r = r.next_sibling()) {
        const QByteArray type = r.attribute("Type").as_string();
        if (!id.isEmpty() && id == r.attribute("Id").as_string()) cheminFeuille = cheminPartie(r.attribute("Target").as_string());
        if (type.endsWith("/sharedStrings")) {
            const pugi::xml_document document = partie(zip, cheminPartie(r.attribute("Target").as_string()), chemin);
            for (pugi::xml_node si = document.document_element().first_child(); si; si = si.next_sibling())
                if (estNomme(si, "si")) partages << texteRiche(si);
        }
    }
    if (cheminFeuille.isEmpty()) throw ErreurFichier(illisible(chemin));
    pugi::xml_document document = partie(zip, cheminFeuille, chemin);
    const FeuilleXlsx::Feuille feuille(document, &partages);
    const int lignes = std::min(feuille.derniereLigne(), LignesMax);
    const int colonnes = std::min(feuille.derniereColonne(1, lignes), ColonnesMax);
    QList<QStringList> tableau;
    for (int l = 1; l <= lignes; ++l) {
        QStringList cellules;
        for (int c = 1; c <= colonnes; ++c) cellules << feuille.lit(l, c);
        retireCellulesVides(cellules);
        tableau << cellules;
    }
    return tableau;
}

QList<QStringList> ods(const QString& chemin) {
    const ArchiveZip zip(chemin, illisible(chemin));
    const pugi::xml_document contenu = partie(zip, QStringLiteral("content.xml"), chemin);
    const pugi::xml_node table =
        enfant(enfant(enfant(contenu.document_element(), "body"), "spreadsheet"), "table");
    if (!table) throw ErreurFichier(illisible(chemin));
    QList<QStringList> tableau;
    // Rows may sit inside header-row or row groups; repeated rows and cells stand for copies.
    const std::function<void(pugi::xml_node)> parcourt = [&](pugi::xml_node parent) {
        for (pugi::xml_node rangee = parent.first_child(); rangee && tableau.size() < LignesMax;
             rangee = rangee.next_sibling()) {
            if (estNomme(rangee, "table-header-rows") || estNomme(rangee, "table-rows") ||
                estNomme(rangee, "table-row-group")) {
                parcourt(rangee);
                continue;
            }
            if (!estNomme(rangee, "table-row")) continue;
            QStringList cellules;
            for (pugi::xml_node c = rangee.first_child(); c && cellules.size() < ColonnesMax; c = c.next_sibling()) {
                if (!estNomme(c, "table-cell") && !estNomme(c, "covered-table-cell")) continue;
                const QString texte = celluleOds(c);
                const int fois = std::clamp(attributLocal(c, "number-columns-repeated").as_int(1), 1, ColonnesMax);
                for (int k = 0; k < fois && cellules.size() < ColonnesMax; ++k) cellules << texte;
            }
            retireCellulesVides(cellules);
            const int fois = std::max(1, attributLocal(rangee, "number-rows-repeated").as_int(1));
            for (int k = 0; k < fois && tableau.size() < LignesMax; ++k) tableau << cellules;
        }
    };
    parcourt(table);
    // The sheet's trailing empty rows (an .ods repeats one empty row to the last of the grid).
    while (!tableau.isEmpty() && tableau.back().isEmpty()) tableau.removeLast();
    return tableau;
}
}  // namespace TableauClasseur
