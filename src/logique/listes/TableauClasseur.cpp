#include "logique/listes/TableauClasseur.h"

#include "logique/base/Avancement.h"
#include "logique/listes/BornesClasseur.h"
#include "logique/listes/GrilleLue.h"
#include "logique/listes/LecteurXml.h"
#include "logique/xlsx/ArchiveZip.h"
#include "logique/xlsx/FeuilleXlsx.h"

#include <QFileInfo>
#include <optional>
#include <vector>

using namespace BornesClasseur;
using Jeton = LecteurXml::Jeton;

namespace {
// Beyond every bound, and far from the limits of a qint64 however many repeats are added.
constexpr qint64 Loin = qint64(1) << 50;

// Each element read is given a role by its parent's: the walk keeps one role per open element,
// never a tree, and never recurses.
enum class Role : unsigned char {
    Autre,
    // .xlsx
    Donnees,
    Ligne,
    Cellule,
    Valeur,
    Item,
    Riche,
    Texte,
    // .ods
    Corps,
    Tableur,
    Table,
    Groupe,
    Paragraphe
};

void verifieTaille(const QString& chemin) {
    if (QFileInfo(chemin).size() > FichierMax) refuse(Refus::TropGrand, chemin);
}

// A part of the archive, read as it unpacks.
struct Partie {
    Partie(const ArchiveZip& zip, const QString& nom, const QString& chemin) : flux(zip, nom) {
        if (flux.taille() > PartieMax) refuse(Refus::TropGrand, chemin);
    }
    LecteurXml lecteur(const QString& chemin, Avancement* avancement, qint64 dejaLus = 0, qint64 total = 0) {
        return LecteurXml([this](char* destination, qint64 max) { return flux.lit(destination, max); }, chemin, avancement,
                          dejaLus, total);
    }
    ArchiveZip::Flux flux;
};

// Inside a string item, shared or in its cell: the text of its "t" elements, phonetic hints left out.
Role dansItem(const LecteurXml& xml) { return xml.est("rPh") ? Role::Autre : xml.est("t") ? Role::Texte : Role::Riche; }

// The relationship id of the workbook's first sheet.
QByteArray premiereFeuille(const ArchiveZip& zip, const QString& chemin, Avancement* avancement) {
    Partie partie(zip, QStringLiteral("xl/workbook.xml"), chemin);
    LecteurXml xml = partie.lecteur(chemin, avancement);
    for (Jeton j; (j = xml.suivant()) != Jeton::FinDocument;)
        if (j == Jeton::Debut && xml.profondeur() == 3 && xml.est("sheet")) return xml.attribut("id").toByteArray();
    return {};
}

struct Parties {
    QString feuille;
    QString partages;
};

// The first sheet's part and the shared strings' part, as the workbook's relationships name them
// (relative to "xl/" unless they start at the root).
Parties parties(const ArchiveZip& zip, const QString& chemin, Avancement* avancement, const QByteArray& id) {
    Partie partie(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), chemin);
    LecteurXml xml = partie.lecteur(chemin, avancement);
    Parties trouvees;
    for (Jeton j; (j = xml.suivant()) != Jeton::FinDocument;) {
        if (j != Jeton::Debut || xml.profondeur() != 2) continue;
        const QString cible = QString::fromUtf8(xml.attribut("Target"));
        const QString nom = cible.startsWith(QLatin1Char('/')) ? cible.mid(1) : QStringLiteral("xl/") + cible;
        if (!id.isEmpty() && xml.attribut("Id") == id) trouvees.feuille = nom;
        if (xml.attribut("Type").endsWith("/sharedStrings")) trouvees.partages = nom;
    }
    return trouvees;
}

QStringList litPartages(LecteurXml& xml, GrilleLue& grille) {
    std::vector<Role> roles;
    QStringList textes;
    QString texte;
    for (;;) {
        switch (xml.suivant()) {
            case Jeton::FinDocument: return textes;
            case Jeton::Texte:
                if (!roles.empty() && roles.back() == Role::Texte) GrilleLue::ajoute(texte, xml.texte());
                break;
            case Jeton::Fin:
                if (roles.back() == Role::Item) {
                    grille.compte(texte.size());
                    textes << texte;
                    texte.clear();
                }
                roles.pop_back();
                break;
            case Jeton::Debut: {
                const Role parent = roles.empty() ? Role::Autre : roles.back();
                if (roles.size() == 1 && xml.est("si")) roles.push_back(Role::Item);
                else roles.push_back(parent == Role::Item || parent == Role::Riche ? dansItem(xml) : Role::Autre);
                break;
            }
        }
    }
}

// The rows of the sheet's data, in one pass: cells of the same row and rows placed by their
// reference ("B12", "12") or, without one, after the previous.
void litFeuille(LecteurXml& xml, GrilleLue& grille, const QStringList& partages) {
    enum class Sorte { Valeur, Partagee, EnLigne };
    std::vector<Role> roles;
    qint64 ligne = 0, colonne = 0;
    Sorte sorte = Sorte::Valeur;
    QString texte;
    for (;;) {
        const Jeton jeton = xml.suivant();
        if (jeton == Jeton::FinDocument) return;
        if (jeton == Jeton::Texte) {
            if (!roles.empty() && (roles.back() == Role::Valeur || roles.back() == Role::Texte))
                GrilleLue::ajoute(texte, xml.texte());
            continue;
        }
        if (jeton == Jeton::Fin) {
            const Role role = roles.back();
            roles.pop_back();
            if (role == Role::Cellule && sorte == Sorte::Partagee) {
                bool ok = false;
                const qint64 index = texte.toLongLong(&ok);
                grille.cellule(colonne, ok && index >= 0 && index < partages.size() ? partages[index] : QString());
            } else if (role == Role::Cellule) {
                grille.cellule(colonne, texte);
            } else if (role == Role::Ligne) {
                grille.finLigne(ligne);
            } else if (role == Role::Donnees) {
                return;  // nothing after the data holds a cell
            }
            continue;
        }
        const Role parent = roles.empty() ? Role::Autre : roles.back();
        Role role = Role::Autre;
        if (roles.size() == 1 && xml.est("sheetData")) {
            role = Role::Donnees;
        } else if (parent == Role::Donnees && xml.est("row")) {
            role = Role::Ligne;
            const int r = FeuilleXlsx::reference(xml.attribut("r")).ligne;
            ligne = r > 0 ? r : std::min(ligne + 1, Loin);
            colonne = 0;
        } else if (parent == Role::Ligne && xml.est("c")) {
            role = Role::Cellule;
            const int c = FeuilleXlsx::reference(xml.attribut("r")).colonne;
            colonne = c > 0 ? c : std::min(colonne + 1, Loin);
            const QByteArrayView t = xml.attribut("t");
            sorte = t == "s" ? Sorte::Partagee : t == "inlineStr" ? Sorte::EnLigne : Sorte::Valeur;
            texte.clear();
        } else if (parent == Role::Cellule) {
            if (xml.est("is") && sorte == Sorte::EnLigne) role = Role::Riche;
            else if (xml.est("v") && sorte != Sorte::EnLigne) role = Role::Valeur;
        } else if (parent == Role::Riche) {
            role = dansItem(xml);
        }
        roles.push_back(role);
    }
}

// The first table of the document's spreadsheet, in one pass. Rows may sit in header-row and
// row groups; a repeated row or cell stands for its copies; a paragraph's text counts its
// spaces (<text:s text:c="3"/>) and gives a blank for a tab or a line break.
void litContenu(LecteurXml& xml, GrilleLue& grille, const QString& chemin) {
    std::vector<Role> roles;
    qint64 ligne = 1, foisLigne = 1, colonne = 1, foisCellule = 1;
    QString texte;
    QByteArray valeur;
    for (;;) {
        const Jeton jeton = xml.suivant();
        if (jeton == Jeton::FinDocument) refuse(Refus::Illisible, chemin);
        if (jeton == Jeton::Texte) {
            if (!roles.empty() && roles.back() == Role::Paragraphe) GrilleLue::ajoute(texte, xml.texte());
            continue;
        }
        if (jeton == Jeton::Fin) {
            const Role role = roles.back();
            roles.pop_back();
            if (role == Role::Cellule) {
                // A cell without a paragraph shows its value.
                if (texte.isEmpty()) GrilleLue::ajoute(texte, valeur);
                grille.cellule(colonne, texte, foisCellule);
                colonne = std::min(colonne + foisCellule, Loin);
            } else if (role == Role::Ligne) {
                grille.finLigne(ligne, foisLigne);
                ligne = std::min(ligne + foisLigne, Loin);
            } else if (role == Role::Table) {
                return;
            }
            continue;
        }
        const Role parent = roles.empty() ? Role::Autre : roles.back();
        const bool dansTable = parent == Role::Table || parent == Role::Groupe;
        Role role = Role::Autre;
        if (roles.size() == 1 && xml.est("body")) {
            role = Role::Corps;
        } else if (parent == Role::Corps && xml.est("spreadsheet")) {
            role = Role::Tableur;
        } else if (parent == Role::Tableur && xml.est("table")) {
            role = Role::Table;
        } else if (dansTable && (xml.est("table-header-rows") || xml.est("table-rows") || xml.est("table-row-group"))) {
            role = Role::Groupe;
        } else if (dansTable && xml.est("table-row")) {
            role = Role::Ligne;
            foisLigne = std::max<qint64>(1, xml.attributEntier("number-rows-repeated", 1));
            colonne = 1;
        } else if (parent == Role::Ligne && (xml.est("table-cell") || xml.est("covered-table-cell"))) {
            role = Role::Cellule;
            foisCellule = std::max<qint64>(1, xml.attributEntier("number-columns-repeated", 1));
            texte.clear();
            valeur = xml.attribut("value").toByteArray();
        } else if (parent == Role::Cellule && xml.est("p")) {
            role = Role::Paragraphe;
            if (!texte.isEmpty()) GrilleLue::ajoute(texte, " ");
        } else if (parent == Role::Paragraphe) {
            if (xml.est("s")) GrilleLue::ajouteEspaces(texte, std::max<qint64>(1, xml.attributEntier("c", 1)));
            else if (xml.est("tab") || xml.est("line-break")) GrilleLue::ajoute(texte, " ");
            else if (!xml.est("annotation")) role = Role::Paragraphe;
        }
        roles.push_back(role);
    }
}
}  // namespace

namespace TableauClasseur {
QList<QStringList> xlsx(const QString& chemin, Avancement* avancement) {
    verifieTaille(chemin);
    const ArchiveZip zip(chemin, texte(Refus::Illisible, chemin));
    const Parties noms = parties(zip, chemin, avancement, premiereFeuille(zip, chemin, avancement));
    if (noms.feuille.isEmpty()) refuse(Refus::Illisible, chemin);
    std::optional<Partie> partages;
    if (!noms.partages.isEmpty()) partages.emplace(zip, noms.partages, chemin);
    Partie feuille(zip, noms.feuille, chemin);
    // Progress in bytes unpacked, the shared strings first.
    const qint64 avant = partages ? partages->flux.taille() : 0;
    const qint64 total = avant + feuille.flux.taille();
    GrilleLue grille(chemin);
    QStringList textes;
    if (partages) {
        LecteurXml xml = partages->lecteur(chemin, avancement, 0, total);
        textes = litPartages(xml, grille);
    }
    LecteurXml xml = feuille.lecteur(chemin, avancement, avant, total);
    litFeuille(xml, grille, textes);
    if (avancement) avancement->annonce(total, total);
    return grille.tableau();
}

QList<QStringList> ods(const QString& chemin, Avancement* avancement) {
    verifieTaille(chemin);
    const ArchiveZip zip(chemin, texte(Refus::Illisible, chemin));
    Partie contenu(zip, QStringLiteral("content.xml"), chemin);
    LecteurXml xml = contenu.lecteur(chemin, avancement, 0, contenu.flux.taille());
    GrilleLue grille(chemin);
    litContenu(xml, grille, chemin);
    if (avancement) avancement->annonce(contenu.flux.taille(), contenu.flux.taille());
    return grille.tableau();
}
}  // namespace TableauClasseur
