#include "logique/xlsx/FeuilleXlsx.h"

#include "logique/xlsx/XmlXlsx.h"

#include <QLocale>
#include <algorithm>
#include <cstring>

using namespace XmlXlsx;

namespace {
// Rows and cells may leave out their position; theirs is then the one after the previous.
int positionLigne(pugi::xml_node ligne, int precedente) {
    const int r = FeuilleXlsx::reference(ligne.attribute("r").as_string()).ligne;
    return r > 0 ? r : precedente + 1;
}

int positionCellule(pugi::xml_node cellule, int precedente) {
    const int c = FeuilleXlsx::reference(cellule.attribute("r").as_string()).colonne;
    return c > 0 ? c : precedente + 1;
}
}  // namespace

namespace FeuilleXlsx {
Reference reference(QByteArrayView texte) {
    Reference r;
    qsizetype i = 0;
    for (; i < texte.size() && texte[i] >= 'A' && texte[i] <= 'Z'; ++i)
        r.colonne = std::min(r.colonne * 26 + (texte[i] - 'A' + 1), PositionMax);
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i)
        r.ligne = std::min(r.ligne * 10 + (texte[i] - '0'), PositionMax);
    return r;
}

QString lettres(int colonne) {
    QString texte;
    for (int n = colonne; n > 0; n = (n - 1) / 26) texte.prepend(QChar('A' + (n - 1) % 26));
    return texte;
}

Feuille::Feuille(pugi::xml_document& document, const QStringList* partages)
    : racine_(document.document_element()), partages_(partages) {
    donnees_ = enfant(racine_, "sheetData");
    if (!donnees_) {
        // A sheet without data area gets one where the format expects it.
        pugi::xml_node avant = premierEnfantParmi(racine_, {"sheetCalcPr",
                                                            "sheetProtection",
                                                            "protectedRanges",
                                                            "scenarios",
                                                            "autoFilter",
                                                            "sortState",
                                                            "dataConsolidate",
                                                            "customSheetViews",
                                                            "mergeCells",
                                                            "phoneticPr",
                                                            "conditionalFormatting",
                                                            "dataValidations",
                                                            "hyperlinks",
                                                            "printOptions",
                                                            "pageMargins",
                                                            "pageSetup",
                                                            "headerFooter",
                                                            "rowBreaks",
                                                            "colBreaks",
                                                            "customProperties",
                                                            "cellWatches",
                                                            "ignoredErrors",
                                                            "smartTags",
                                                            "drawing",
                                                            "legacyDrawing",
                                                            "legacyDrawingHF",
                                                            "picture",
                                                            "oleObjects",
                                                            "controls",
                                                            "webPublishItems",
                                                            "tableParts",
                                                            "extLst"});
        donnees_ = avant ? racine_.insert_child_before(qualifie(racine_, "sheetData").toUtf8().constData(), avant)
                         : racine_.append_child(qualifie(racine_, "sheetData").toUtf8().constData());
    }
}

QString Feuille::nomQualifie(const char* local) const { return qualifie(racine_, local); }

pugi::xml_node Feuille::ligneNoeud(int ligne, bool cree) const {
    int position = 0;
    for (pugi::xml_node n = donnees_.first_child(); n; n = n.next_sibling()) {
        if (!estNomme(n, "row")) continue;
        position = positionLigne(n, position);
        if (cree && !n.attribute("r")) n.append_attribute("r") = position;
        if (position == ligne) return n;
        if (position > ligne) {
            if (!cree) return {};
            pugi::xml_node nouvelle = donnees_.insert_child_before(nomQualifie("row").toUtf8().constData(), n);
            nouvelle.append_attribute("r") = ligne;
            return nouvelle;
        }
    }
    if (!cree) return {};
    pugi::xml_node nouvelle = donnees_.append_child(nomQualifie("row").toUtf8().constData());
    nouvelle.append_attribute("r") = ligne;
    return nouvelle;
}

pugi::xml_node Feuille::cellule(int ligne, int colonne, bool cree) const {
    pugi::xml_node rangee = ligneNoeud(ligne, cree);
    if (!rangee) return {};
    const QByteArray reference = (lettres(colonne) + QString::number(ligne)).toUtf8();
    const QByteArray nomCellule = nomQualifie("c").toUtf8();
    int position = 0;
    for (pugi::xml_node n = rangee.first_child(); n; n = n.next_sibling()) {
        if (!estNomme(n, "c")) continue;
        position = positionCellule(n, position);
        if (cree && !n.attribute("r"))
            n.append_attribute("r") = (lettres(position) + QString::number(ligne)).toUtf8().constData();
        if (position == colonne) return n;
        if (position > colonne) {
            if (!cree) return {};
            pugi::xml_node nouvelle = rangee.insert_child_before(nomCellule.constData(), n);
            nouvelle.append_attribute("r") = reference.constData();
            return nouvelle;
        }
    }
    if (!cree) return {};
    // The cells of a row after the last of its own extension elements are not allowed: append
    // before "extLst" when there is one.
    pugi::xml_node fin = enfant(rangee, "extLst");
    pugi::xml_node nouvelle = fin ? rangee.insert_child_before(nomCellule.constData(), fin)
                                  : rangee.append_child(nomCellule.constData());
    nouvelle.append_attribute("r") = reference.constData();
    return nouvelle;
}

QString Feuille::lit(int ligne, int colonne) const {
    const pugi::xml_node c = cellule(ligne, colonne, false);
    if (!c) return {};
    const QString type = QString::fromUtf8(c.attribute("t").as_string());
    if (type == QStringLiteral("inlineStr")) return texteRiche(enfant(c, "is"));
    const QString valeur = QString::fromUtf8(enfant(c, "v").text().as_string());
    if (type == QStringLiteral("s")) {
        bool ok = false;
        const int index = valeur.toInt(&ok);
        return (ok && partages_ && index >= 0 && index < partages_->size()) ? partages_->at(index) : QString();
    }
    return valeur;
}

int Feuille::derniereLigne() const {
    int position = 0;
    for (pugi::xml_node n = donnees_.first_child(); n; n = n.next_sibling())
        if (estNomme(n, "row")) position = positionLigne(n, position);
    return position;
}

int Feuille::derniereColonne(int premiereLigne, int derniereLigne) const {
    int derniere = 0, position = 0;
    for (pugi::xml_node n = donnees_.first_child(); n; n = n.next_sibling()) {
        if (!estNomme(n, "row")) continue;
        position = positionLigne(n, position);
        if (position < premiereLigne || position > derniereLigne) continue;
        int colonne = 0;
        for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
            if (estNomme(c, "c")) derniere = std::max(derniere, colonne = positionCellule(c, colonne));
    }
    return derniere;
}

pugi::xml_node Feuille::prepareCellule(int ligne, int colonne, int style) {
    pugi::xml_node c = cellule(ligne, colonne, true);
    while (c.first_child()) c.remove_child(c.first_child());
    c.remove_attribute("t");
    if (style > 0) {
        if (!c.attribute("s")) c.append_attribute("s");
        c.attribute("s") = style;
    }
    // The row's span hint would no longer cover the new cell; it is optional.
    c.parent().remove_attribute("spans");
    etendDimension(ligne, colonne);
    return c;
}

void Feuille::ecritTexte(int ligne, int colonne, const QString& texte, int style) {
    pugi::xml_node c = prepareCellule(ligne, colonne, style);
    c.append_attribute("t") = "inlineStr";
    pugi::xml_node t = c.append_child(nomQualifie("is").toUtf8().constData()).append_child(nomQualifie("t").toUtf8().constData());
    t.append_attribute("xml:space") = "preserve";
    t.text().set(texteXml(texte).toUtf8().constData());
}

void Feuille::ecritNombre(int ligne, int colonne, double valeur, int style) {
    pugi::xml_node c = prepareCellule(ligne, colonne, style);
    c.append_child(nomQualifie("v").toUtf8().constData())
        .text()
        .set(QString::number(valeur, 'g', QLocale::FloatingPointShortest).toUtf8().constData());
}

void Feuille::etendDimension(int ligne, int colonne) {
    pugi::xml_node dimension = enfant(racine_, "dimension");
    if (!dimension) return;
    const QString ref = QString::fromUtf8(dimension.attribute("ref").as_string());
    const QString fin = ref.section(QLatin1Char(':'), -1);
    const auto [l, c] = reference(fin.toUtf8());
    if (l >= ligne && c >= colonne) return;
    const QString debut = ref.contains(QLatin1Char(':')) ? ref.section(QLatin1Char(':'), 0, 0) : QStringLiteral("A1");
    dimension.attribute("ref") =
        (debut + QLatin1Char(':') + lettres(std::max(c, colonne)) + QString::number(std::max(l, ligne))).toUtf8().constData();
}

double Feuille::largeur(int colonne) const {
    for (pugi::xml_node n = enfant(racine_, "cols").first_child(); n; n = n.next_sibling())
        if (estNomme(n, "col") && n.attribute("min").as_int() <= colonne && colonne <= n.attribute("max").as_int())
            return n.attribute("width").as_double(0);
    return 0;
}

void Feuille::elargit(int colonne, double largeurVoulue) {
    if (largeur(colonne) >= largeurVoulue) return;
    pugi::xml_node colonnes = enfant(racine_, "cols");
    if (!colonnes) colonnes = racine_.insert_child_before(nomQualifie("cols").toUtf8().constData(), donnees_);
    // A range that covers the column is split around it, each piece keeping its settings.
    pugi::xml_node cible;
    pugi::xml_node avant;
    for (pugi::xml_node n = colonnes.first_child(); n; n = n.next_sibling()) {
        if (!estNomme(n, "col")) continue;
        const int min = n.attribute("min").as_int(), max = n.attribute("max").as_int();
        if (min > colonne) {
            avant = n;
            break;
        }
        if (max < colonne) continue;
        if (min < colonne) {
            pugi::xml_node gauche = colonnes.insert_copy_before(n, n);
            gauche.attribute("max") = colonne - 1;
            n.attribute("min") = colonne;
        }
        if (max > colonne) {
            pugi::xml_node droite = colonnes.insert_copy_after(n, n);
            droite.attribute("min") = colonne + 1;
            n.attribute("max") = colonne;
        }
        cible = n;
        break;
    }
    if (!cible) {
        cible = avant ? colonnes.insert_child_before(nomQualifie("col").toUtf8().constData(), avant)
                      : colonnes.append_child(nomQualifie("col").toUtf8().constData());
        cible.append_attribute("min") = colonne;
        cible.append_attribute("max") = colonne;
    }
    for (const char* a : {"width", "customWidth"})
        if (!cible.attribute(a)) cible.append_attribute(a);
    cible.attribute("width") = largeurVoulue;
    cible.attribute("customWidth") = 1;
}

bool Feuille::selectionne(bool oui) {
    pugi::xml_node vues = enfant(racine_, "sheetViews");
    if (!vues && !oui) return false;
    if (!vues) {
        const pugi::xml_node avant = premierEnfantParmi(racine_, {"sheetFormatPr", "cols", "sheetData"});
        vues = racine_.insert_child_before(nomQualifie("sheetViews").toUtf8().constData(), avant ? avant : donnees_);
    }
    pugi::xml_node vue = enfant(vues, "sheetView");
    if (!vue && !oui) return false;
    if (!vue) {
        vue = vues.append_child(nomQualifie("sheetView").toUtf8().constData());
        vue.append_attribute("workbookViewId") = 0;
    }
    if (vue.attribute("tabSelected").as_bool() == oui) return false;
    if (!oui) return vue.remove_attribute("tabSelected");
    pugi::xml_attribute selection = vue.attribute("tabSelected");
    if (!selection) selection = vue.prepend_attribute("tabSelected");
    selection = 1;
    return true;
}

void Feuille::rehausse(int ligne, double hauteur) {
    pugi::xml_node rangee = ligneNoeud(ligne, true);
    if (rangee.attribute("ht").as_double(0) >= hauteur) return;
    for (const char* a : {"ht", "customHeight"})
        if (!rangee.attribute(a)) rangee.append_attribute(a);
    rangee.attribute("ht") = hauteur;
    rangee.attribute("customHeight") = 1;
}
}  // namespace FeuilleXlsx
