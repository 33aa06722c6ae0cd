#include "logique/resultats/Classeur.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Verrou.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/xlsx/ArchiveZip.h"
#include "logique/xlsx/FeuilleXlsx.h"
#include "logique/xlsx/NomFeuille.h"
#include "logique/resultats/ResultatExercice.h"
#include "logique/resultats/TextesResultat.h"
#include "logique/xlsx/XmlXlsx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstring>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

using namespace XmlXlsx;

namespace {
const char* const EspaceRelations = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const TypeFeuille = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char* const TypeFeuilleContenu = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

// The parts of a new workbook before its first sheet is added.
const char* const NouveauTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(</Types>)";
const char* const NouvellesRelationsPaquet =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";
const char* const NouveauClasseur =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<bookViews><workbookView activeTab="0"/></bookViews><sheets/></workbook>)";
const char* const NouvellesRelationsClasseur =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(</Relationships>)";
const char* const NouveauxStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<fonts count="1"><font><sz val="10"/><name val="Arial"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
    R"(</styleSheet>)";
const char* const NouvelleFeuille =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<dimension ref="A1:B25"/><sheetViews><sheetView workbookViewId="0"/></sheetViews>)"
    R"(<sheetFormatPr defaultRowHeight="12.75"/><sheetData/>)"
    R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/></worksheet>)";

// The label column of a pupil's sheet.
const std::pair<int, const char*> Libelles[] = {
    {1, "FICHIER DE PROFILS"}, {2, "enseignant : "},
    {3, "élève : "},           {7, "PARAMETRE"},
    {8, "Type Exercice :"},    {9, "Tables :"},
    {10, "Cas particulier :"}, {11, "Aide :"},
    {12, "REALISATION"},       {13, "Date Connexion :"},
    {14, "Taux réusite :"},    {15, "Nombre erreur(s) :"},
    {16, "Temps : (sec)"},     {17, "Temps/Questions : (sec)"},
    {18, "Bilan :"},           {19, "Date Déconnexion :"},
};
constexpr int LigneCompteur = 25;
// The format's last column, XFD.
constexpr int ColonneMax = 16384;
// Arial 10: height of one line of text in points, and the widest column worth keeping.
constexpr double HauteurLigne = 12.75;
constexpr double LargeurMax = 50;

QString nom(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

QString messageIllisible(const QString& chemin) {
    return QStringLiteral("Le classeur %1 n'est pas un classeur .xlsx lisible : il n'a pas été modifié. "
                          "Enregistrez-le de nouveau au format .xlsx, ou déplacez-le pour qu'un nouveau "
                          "classeur soit créé.")
        .arg(nom(chemin));
}

// Characters a line of the text takes at most, and the lines it takes in a column that wide.
int plusLongueLigne(const QString& texte) {
    int plus = 0;
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) plus = std::max(plus, static_cast<int>(ligne.size()));
    return plus;
}

int lignesAffichees(const QString& texte, double largeur) {
    const int parLigne = std::max(1, static_cast<int>(largeur) - 2);
    int lignes = 0;
    for (const QString& ligne : texte.split(QLatin1Char('\n')))
        lignes += std::max(1, static_cast<int>((ligne.size() + parLigne - 1) / parLigne));
    return lignes;
}

double largeurPour(int caracteres) { return std::min(LargeurMax, std::max(10.0, caracteres + 3.0)); }

// One workbook opened for one update: the parts read as needed, the parts changed kept apart.
class ClasseurOuvert final {
public:
    // A new, empty workbook.
    explicit ClasseurOuvert(const QString& chemin) : chemin_(chemin) {
        litXml(classeur_, NouveauClasseur);
        litXml(relations_, NouvellesRelationsClasseur);
        litXml(types_, NouveauTypes);
        modifies_[QStringLiteral("_rels/.rels")] = NouvellesRelationsPaquet;
        modifies_[QStringLiteral("xl/styles.xml")] = NouveauxStyles;
    }
    // The workbook on disk; throws when it is not a readable workbook.
    ClasseurOuvert(const QString& chemin, bool) : chemin_(chemin) {
        zip_ = std::make_unique<ArchiveZip>(chemin, messageIllisible(chemin));
        litPartie(classeur_, QStringLiteral("xl/workbook.xml"));
        litPartie(relations_, QStringLiteral("xl/_rels/workbook.xml.rels"));
        if (!enfant(classeur_.document_element(), "sheets")) throw ErreurFichier(messageIllisible(chemin_));
    }

    struct Feuille {
        QString nom;
        QString partie;
        pugi::xml_node noeud;
    };

    QList<Feuille> feuilles() {
        QList<Feuille> liste;
        for (pugi::xml_node n = enfant(classeur_.document_element(), "sheets").first_child(); n; n = n.next_sibling()) {
            if (!estNomme(n, "sheet")) continue;
            const QString id = QString::fromUtf8(attributLocal(n, "id").as_string());
            liste << Feuille{QString::fromUtf8(n.attribute("name").as_string()), cible(id), n};
        }
        return liste;
    }

    // The pupil's sheet: by its name, or, when the name had to be changed, by the pupil's full
    // name in B3.
    std::optional<Feuille> trouve(const QString& eleve) {
        const QString souhaite = NomFeuille::souhaite(eleve);
        const bool intact = NomFeuille::estIntact(eleve);
        const QList<Feuille> toutes = feuilles();
        for (const Feuille& f : toutes)
            if (f.nom == souhaite && (intact || eleveDe(f) == eleve)) return f;
        for (const Feuille& f : toutes)
            if (f.nom != souhaite && NomFeuille::peutVenirDe(f.nom, souhaite) && eleveDe(f) == eleve) return f;
        return std::nullopt;
    }

    // A new sheet for the pupil, at the end, with its labels and A25 = 1.
    Feuille ajoute(const QString& enseignant, const QString& eleve) {
        QStringList pris;
        int maxId = 0;
        for (const Feuille& f : feuilles()) {
            pris << f.nom;
            maxId = std::max(maxId, f.noeud.attribute("sheetId").as_int());
        }
        const QString nomFeuille = NomFeuille::unique(NomFeuille::souhaite(eleve), pris);
        QString partie;
        for (int n = 1; partie.isEmpty(); ++n) {
            const QString candidat = QStringLiteral("xl/worksheets/sheet%1.xml").arg(n);
            if (!existe(candidat)) partie = candidat;
        }
        const QString id = nouvelIdRelation();

        pugi::xml_node racine = classeur_.document_element();
        pugi::xml_node liste = enfant(racine, "sheets");
        pugi::xml_node feuille = liste.append_child(qualifie(racine, "sheet").toUtf8().constData());
        feuille.append_attribute("name") = nomFeuille.toUtf8().constData();
        feuille.append_attribute("sheetId") = maxId + 1;
        const QString prefixe = prefixeRelations();
        if (prefixe.isEmpty()) feuille.append_attribute("xmlns:r") = EspaceRelations;
        feuille.append_attribute(
            ((prefixe.isEmpty() ? QStringLiteral("r") : prefixe) + QStringLiteral(":id")).toUtf8().constData()) =
            id.toUtf8().constData();
        classeurModifie_ = true;

        pugi::xml_node relation = relations_.document_element().append_child(
            qualifie(relations_.document_element(), "Relationship").toUtf8().constData());
        relation.append_attribute("Id") = id.toUtf8().constData();
        relation.append_attribute("Type") = TypeFeuille;
        relation.append_attribute("Target") = ("/" + partie).toUtf8().constData();

        chargeTypes();
        pugi::xml_node type = types_.document_element().append_child(
            qualifie(types_.document_element(), "Override").toUtf8().constData());
        type.append_attribute("PartName") = ("/" + partie).toUtf8().constData();
        type.append_attribute("ContentType") = TypeFeuilleContenu;
        typesModifies_ = true;

        auto document = std::make_unique<pugi::xml_document>();
        litXml(*document, NouvelleFeuille);
        FeuilleXlsx::Feuille grille(*document, nullptr);
        // Labels sit at the top of their row, level with the first line of the exercise cells.
        const int style = styleRetour();
        for (const auto& [ligne, texte] : Libelles) grille.ecritTexte(ligne, 1, QString::fromUtf8(texte), style);
        grille.ecritTexte(2, 2, enseignant, style);
        grille.ecritTexte(3, 2, eleve, style);
        grille.ecritNombre(LigneCompteur, 1, 1, 0);
        grille.elargit(1, largeurPour(23));
        grille.elargit(2, largeurPour(std::max(plusLongueLigne(enseignant), plusLongueLigne(eleve))));
        feuilles_[partie] = std::move(document);
        feuillesModifiees_.insert(partie);
        return Feuille{nomFeuille, partie, feuille};
    }

    // The exercise's column after the last one used (A25 + 1); returns its number.
    int ecritColonne(const Feuille& f, const Classeur::Colonne& colonne) {
        const int style = styleRetour();
        FeuilleXlsx::Feuille grille(feuilleXml(f.partie), partages());
        const QString compteur = grille.lit(LigneCompteur, 1).trimmed();
        bool ok = false, nombre = false;
        int derniere = compteur.toInt(&ok);
        // A counter beyond the format's columns would put cells where no reader opens them.
        if (const double valeur = compteur.toDouble(&nombre); nombre && valeur >= ColonneMax)
            throw ErreurFichier(QStringLiteral("Le classeur %1 n'a pas été modifié : la cellule A25 de la feuille "
                                               "« %2 » vaut %3, alors qu'elle donne le numéro de la dernière colonne "
                                               "remplie (%4 au plus). Corrigez ou effacez cette cellule pour que les "
                                               "résultats y soient de nouveau enregistrés.")
                                    .arg(nom(chemin_), f.nom, compteur)
                                    .arg(ColonneMax - 1));
        // A counter the teacher cleared or overwrote: after the last column holding results.
        if (!ok || derniere < 1) derniere = std::max(1, grille.derniereColonne(6, 19));
        const int c = derniere + 1;
        if (c > ColonneMax)
            throw ErreurFichier(QStringLiteral("Le classeur %1 n'a pas été modifié : la feuille « %2 » n'a plus de "
                                               "colonne libre.")
                                    .arg(nom(chemin_), f.nom));
        const std::pair<int, QString> textes[] = {
            {6, colonne.exercice},      {8, colonne.type},   {9, colonne.tables},
            {10, colonne.cas},          {11, colonne.aide},  {13, colonne.debut},
            {15, colonne.erreurs},      {16, colonne.duree}, {17, colonne.tempsParQuestion},
            {18, colonne.listeErreurs}, {19, colonne.fin},
        };
        int plusLongue = 0;
        for (const auto& [ligne, texte] : textes) plusLongue = std::max(plusLongue, plusLongueLigne(texteXml(texte)));
        grille.elargit(c, largeurPour(plusLongue));
        const double largeur = grille.largeur(c);
        for (const auto& [ligne, texte] : textes) {
            // An empty text leaves the cell empty, as typing nothing would.
            if (texte.isEmpty()) continue;
            grille.ecritTexte(ligne, c, texte, style);
            const int lignes = lignesAffichees(texteXml(texte), largeur);
            if (lignes > 1) grille.rehausse(ligne, lignes * HauteurLigne + 2);
        }
        grille.ecritNombre(14, c, colonne.taux, style);
        grille.ecritNombre(LigneCompteur, 1, c, 0);
        feuillesModifiees_.insert(f.partie);
        return c;
    }

    // The pupil's sheet becomes the sheet the workbook opens on and its only selected tab, as
    // activating it in a spreadsheet program does. A sheet the teacher hid stays as it is.
    void active(const Feuille& f) {
        const QByteArray etat = f.noeud.attribute("state").as_string();
        if (!etat.isEmpty() && etat != "visible") return;
        const QList<Feuille> toutes = feuilles();
        int index = 0;
        while (index < toutes.size() && toutes[index].noeud != f.noeud) ++index;
        pugi::xml_node racine = classeur_.document_element();
        pugi::xml_node vues = enfant(racine, "bookViews");
        if (!vues)
            vues = racine.insert_child_before(qualifie(racine, "bookViews").toUtf8().constData(), enfant(racine, "sheets"));
        pugi::xml_node vue = enfant(vues, "workbookView");
        if (!vue) vue = vues.append_child(qualifie(racine, "workbookView").toUtf8().constData());
        const int ancien = vue.attribute("activeTab").as_int(0);
        if (ancien != index) {
            pugi::xml_attribute onglet = vue.attribute("activeTab");
            if (!onglet) onglet = vue.append_attribute("activeTab");
            onglet = index;
            classeurModifie_ = true;
            // The sheet active until now was the selected one.
            if (ancien >= 0 && ancien < toutes.size()) selectionne(toutes[ancien], false);
        }
        selectionne(f, true);
    }

    void enregistre() {
        std::map<QString, QByteArray> parties = modifies_;
        if (classeurModifie_ || !zip_) parties[QStringLiteral("xl/workbook.xml")] = ecrit(classeur_);
        if (classeurModifie_ || !zip_) parties[QStringLiteral("xl/_rels/workbook.xml.rels")] = ecrit(relations_);
        if (typesModifies_ || !zip_) parties[QStringLiteral("[Content_Types].xml")] = ecrit(types_);
        if (stylesModifies_) parties[partieStyles_] = ecrit(styles_);
        for (const QString& partie : feuillesModifiees_) parties[partie] = ecrit(*feuilles_[partie]);
        ArchiveZipEcriture::remplace(chemin_, zip_ ? zip_->octets() : QByteArray(), parties);
    }

private:
    void litXml(pugi::xml_document& document, const QByteArray& octets) {
        if (!lit(document, octets)) throw ErreurFichier(messageIllisible(chemin_));
    }
    void litPartie(pugi::xml_document& document, const QString& partie) {
        const auto modifie = modifies_.find(partie);
        litXml(document, modifie != modifies_.end() ? modifie->second : zip_->lit(partie));
    }
    void selectionne(const Feuille& f, bool oui) {
        if (f.partie.isEmpty() || !existe(f.partie)) return;
        if (FeuilleXlsx::Feuille(feuilleXml(f.partie), nullptr).selectionne(oui)) feuillesModifiees_.insert(f.partie);
    }
    bool existe(const QString& partie) const {
        return modifies_.count(partie) || feuilles_.count(partie) || (zip_ && zip_->contient(partie));
    }

    // Relationship targets are relative to "xl/" unless they begin with "/".
    QString cible(const QString& id) {
        for (pugi::xml_node n = relations_.document_element().first_child(); n; n = n.next_sibling())
            if (estNomme(n, "Relationship") && QString::fromUtf8(n.attribute("Id").as_string()) == id)
                return normalise(QString::fromUtf8(n.attribute("Target").as_string()));
        return {};
    }
    static QString normalise(const QString& cible) {
        return cible.startsWith(QLatin1Char('/')) ? cible.mid(1) : QStringLiteral("xl/") + cible;
    }
    QString cibleDeType(const char* finType) {
        for (pugi::xml_node n = relations_.document_element().first_child(); n; n = n.next_sibling())
            if (estNomme(n, "Relationship") && QString::fromUtf8(n.attribute("Type").as_string()).endsWith(finType))
                return normalise(QString::fromUtf8(n.attribute("Target").as_string()));
        return {};
    }
    QString nouvelIdRelation() {
        QStringList pris;
        for (pugi::xml_node n = relations_.document_element().first_child(); n; n = n.next_sibling())
            pris << QString::fromUtf8(n.attribute("Id").as_string());
        for (int n = pris.size() + 1;; ++n)
            if (!pris.contains(QStringLiteral("rId%1").arg(n))) return QStringLiteral("rId%1").arg(n);
    }
    // The prefix the workbook's root gives the relationships namespace ("r"), if any.
    QString prefixeRelations() {
        for (pugi::xml_attribute a = classeur_.document_element().first_attribute(); a; a = a.next_attribute())
            if (std::strncmp(a.name(), "xmlns:", 6) == 0 && std::strcmp(a.value(), EspaceRelations) == 0)
                return QString::fromUtf8(a.name() + 6);
        return {};
    }
    void chargeTypes() {
        if (!types_.document_element()) litPartie(types_, QStringLiteral("[Content_Types].xml"));
    }

    pugi::xml_document& feuilleXml(const QString& partie) {
        auto trouve = feuilles_.find(partie);
        if (trouve != feuilles_.end()) return *trouve->second;
        auto document = std::make_unique<pugi::xml_document>();
        litPartie(*document, partie);
        return *(feuilles_[partie] = std::move(document));
    }

    const QStringList* partages() {
        if (!partages_) {
            partages_.emplace();
            const QString partie = cibleDeType("/sharedStrings");
            if (!partie.isEmpty() && existe(partie)) {
                pugi::xml_document document;
                litPartie(document, partie);
                for (pugi::xml_node si = document.document_element().first_child(); si; si = si.next_sibling())
                    if (estNomme(si, "si")) partages_->append(texteRiche(si));
            }
        }
        return &*partages_;
    }

    QString eleveDe(const Feuille& f) {
        if (f.partie.isEmpty() || !existe(f.partie)) return {};
        return FeuilleXlsx::Feuille(feuilleXml(f.partie), partages()).lit(3, 2);
    }

    // Index of a cell style that wraps text at the top of the cell; added once to the workbook.
    int styleRetour() {
        if (styleRetour_) return *styleRetour_;
        styleRetour_ = 0;
        partieStyles_ = cibleDeType("/styles");
        if (partieStyles_.isEmpty() || !existe(partieStyles_)) return 0;
        litPartie(styles_, partieStyles_);
        pugi::xml_node formats = enfant(styles_.document_element(), "cellXfs");
        if (!formats) return 0;
        int index = 0;
        for (pugi::xml_node xf = formats.first_child(); xf; xf = xf.next_sibling()) {
            if (!estNomme(xf, "xf")) continue;
            const pugi::xml_node alignement = enfant(xf, "alignment");
            if (xf.attribute("numFmtId").as_int() == 0 && xf.attribute("fontId").as_int() == 0 &&
                xf.attribute("fillId").as_int() == 0 && xf.attribute("borderId").as_int() == 0 &&
                xf.attribute("applyAlignment").as_bool() && alignement.attribute("wrapText").as_bool() &&
                QByteArray(alignement.attribute("vertical").as_string()) == "top" && !alignement.attribute("horizontal") &&
                !enfant(xf, "protection"))
                return *(styleRetour_ = index);
            ++index;
        }
        pugi::xml_node xf = formats.append_child(qualifie(styles_.document_element(), "xf").toUtf8().constData());
        for (const char* a : {"numFmtId", "fontId", "fillId", "borderId", "xfId"}) xf.append_attribute(a) = 0;
        xf.append_attribute("applyAlignment") = 1;
        pugi::xml_node alignement = xf.append_child(qualifie(styles_.document_element(), "alignment").toUtf8().constData());
        alignement.append_attribute("vertical") = "top";
        alignement.append_attribute("wrapText") = 1;
        if (pugi::xml_attribute compte = formats.attribute("count")) compte = index + 1;
        stylesModifies_ = true;
        return *(styleRetour_ = index);
    }

    QString chemin_;
    std::unique_ptr<ArchiveZip> zip_;
    std::map<QString, QByteArray> modifies_;
    pugi::xml_document classeur_, relations_, types_, styles_;
    bool classeurModifie_ = false, typesModifies_ = false, stylesModifies_ = false;
    QString partieStyles_;
    std::optional<int> styleRetour_;
    std::map<QString, std::unique_ptr<pugi::xml_document>> feuilles_;
    QSet<QString> feuillesModifiees_;
    std::optional<QStringList> partages_;
};
}  // namespace

namespace Classeur {
QString chemin(const SharedState& e) { return e.RepertoireClasse + NomsDossier::classeur(e.NomEnseignant); }

void prepare(const QString& chemin, const QString& enseignant, const QString& eleve) {
    const QFileInfo info(chemin);
    if (!info.absoluteDir().exists())
        throw ErreurFichier(
            QStringLiteral("Impossible de créer le classeur %1 : le dossier de la classe n'existe pas.").arg(nom(chemin)));
    FichierTexte::verifieDansDossierDeTravail(chemin);
    Verrou verrou(chemin);
    if (!FichierTexte::estPresent(chemin)) {
        ClasseurOuvert classeur(chemin);
        classeur.active(classeur.ajoute(enseignant, eleve));
        classeur.enregistre();
        return;
    }
    ClasseurOuvert classeur(chemin, true);
    if (classeur.trouve(eleve)) return;
    classeur.active(classeur.ajoute(enseignant, eleve));
    classeur.enregistre();
}

Colonne colonne(const ResultatExercice& r) {
    using namespace TextesResultat;
    Colonne c;
    c.exercice = QStringLiteral("Exercice %1").arg(r.numeroExercice);
    c.type = type(r.typeExercice);
    c.tables = tables(r.tables, FormeClasseur);
    c.cas = cas(r, FormeClasseur);
    c.aide = aide(r.typeAide);
    c.debut = r.debut;
    c.taux = r.taux;
    c.erreurs = QStringLiteral("%1 erreur(s) sur %2").arg(r.erreurs).arg(r.questions);
    c.duree = QString::number(r.secondes);
    c.tempsParQuestion = tempsParQuestion(r) + QStringLiteral(" secondes par question");
    c.listeErreurs = r.listeErreurs;
    c.fin = r.fin;
    return c;
}

int ajouteColonne(const QString& chemin, const QString& enseignant, const QString& eleve, const Colonne& colonne) {
    // A link is refused, even one leading nowhere.
    if (!FichierTexte::estPresent(chemin)) return 0;
    FichierTexte::verifieDansDossierDeTravail(chemin);
    Verrou verrou(chemin);
    ClasseurOuvert classeur(chemin, true);
    std::optional<ClasseurOuvert::Feuille> feuille = classeur.trouve(eleve);
    if (!feuille) feuille = classeur.ajoute(enseignant, eleve);
    const int c = classeur.ecritColonne(*feuille, colonne);
    classeur.active(*feuille);
    classeur.enregistre();
    return c;
}
}  // namespace Classeur
