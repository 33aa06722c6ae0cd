#include "logique/listes/ListeLue.h"

#include "logique/base/Accents.h"
#include "logique/base/Avancement.h"
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/listes/TableauClasseur.h"
#include "logique/listes/TableauCsv.h"

#include <QFileInfo>

namespace {
enum class Colonne { Aucune, Prenom, Nom, NomComplet, Niveau };

// `seule`: the cell is alone on its row, where only the plain words count (a title such as
// "Nom de l'école : Jules Ferry" is no header).
Colonne colonneDEntete(const QString& cellule, bool seule = false) {
    const QString c = ListeLue::cle(cellule);
    if (c.isEmpty()) return Colonne::Aucune;
    static const QStringList complets = {QStringLiteral("eleve"),         QStringLiteral("eleves"),
                                         QStringLiteral("nom et prenom"), QStringLiteral("nom prenom"),
                                         QStringLiteral("prenom nom"),    QStringLiteral("prenom et nom"),
                                         QStringLiteral("nom complet"),   QStringLiteral("identite")};
    if (complets.contains(c)) return Colonne::NomComplet;
    if (c == QStringLiteral("prenom") || c == QStringLiteral("prenoms") || (!seule && c.startsWith(QStringLiteral("prenom"))))
        return Colonne::Prenom;
    if (c == QStringLiteral("nom") || c == QStringLiteral("nom de famille") || (!seule && c.startsWith(QStringLiteral("nom "))))
        return Colonne::Nom;
    if (c.startsWith(QStringLiteral("niveau")) || c == QStringLiteral("classe") || c == QStringLiteral("classes") ||
        c == QStringLiteral("niveau de classe"))
        return Colonne::Niveau;
    return Colonne::Aucune;
}

QString cellule(const QStringList& ligne, int colonne) {
    return colonne >= 0 && colonne < ligne.size() ? ligne[colonne].simplified() : QString();
}

bool vide(const QStringList& ligne) { return ListeLue::cle(ligne.join(QLatin1Char(' '))).isEmpty(); }

// True when the column holds something and nothing but levels.
bool colonneDeNiveaux(const QList<QStringList>& tableau, int premiere, int colonne, const QStringList& niveaux) {
    bool quelquechose = false;
    for (int l = premiere; l < tableau.size(); ++l) {
        const QString texte = cellule(tableau[l], colonne);
        if (texte.isEmpty()) continue;
        if (ListeLue::niveauReconnu(texte, niveaux).isEmpty()) return false;
        quelquechose = true;
    }
    return quelquechose;
}

// The row of the header among the first non-empty rows from `premiere`, or -1.
int ligneDEntete(const QList<QStringList>& tableau, int premiere) {
    for (int l = premiere, vues = 0; l < tableau.size() && vues < ListeLue::LignesDEntete; ++l) {
        if (vide(tableau[l])) continue;
        if (ListeLue::estEntete(tableau[l])) return l;
        ++vues;
    }
    return -1;
}

// The class list the program takes out: its very header, and levels written as the registry
// writes them (or none). Its empty levels mean "without level".
bool exportDuLogiciel(const QList<QStringList>& tableau, int entete, const QStringList& niveaux) {
    QStringList titres;
    for (const QString& t : tableau[entete]) titres << t.simplified();
    while (!titres.isEmpty() && titres.back().isEmpty()) titres.removeLast();
    if (titres != ListeLue::EnteteDeLExport) return false;
    for (int l = entete + 1; l < tableau.size(); ++l) {
        const QString niveau = cellule(tableau[l], 1);
        if (!niveau.isEmpty() && !niveaux.contains(niveau)) return false;
    }
    return true;
}
}  // namespace

namespace ListeLue {
QString cle(const QString& cellule) {
    QString texte = Accents::retire(cellule.toCaseFolded());
    for (QChar& c : texte)
        if (!c.isLetterOrNumber()) c = QLatin1Char(' ');
    return texte.simplified();
}

QString niveauReconnu(const QString& texte, const QStringList& niveaux) {
    QString c = cle(texte).remove(QLatin1Char(' '));
    if (c.isEmpty()) return {};
    static const QStringList college = {QStringLiteral("6e"),   QStringLiteral("6eme"), QStringLiteral("sixieme"),
                                        QStringLiteral("5e"),   QStringLiteral("5eme"), QStringLiteral("4e"),
                                        QStringLiteral("4eme"), QStringLiteral("3e"),   QStringLiteral("3eme")};
    if (college.contains(c)) c = QStringLiteral("college");
    // The keys of the levels are kept from one call to the next: a list asks for every row.
    thread_local QStringList derniers, cles;
    if (niveaux != derniers) {
        derniers = niveaux;
        cles.clear();
        for (const QString& n : niveaux) cles << cle(n).remove(QLatin1Char(' '));
    }
    const qsizetype i = cles.indexOf(c);
    return i < 0 ? QString() : niveaux[i];
}

bool estEntete(const QStringList& ligne) {
    qsizetype remplies = 0;
    for (const QString& c : ligne) remplies += !c.trimmed().isEmpty();
    for (const QString& c : ligne) {
        const Colonne colonne = colonneDEntete(c, remplies == 1);
        if (colonne == Colonne::Prenom || colonne == Colonne::Nom || colonne == Colonne::NomComplet) return true;
    }
    return false;
}

QList<Eleve> eleves(const QList<QStringList>& tableau, const QStringList& niveaux) {
    int premiere = 0;
    while (premiere < tableau.size() && vide(tableau[premiere])) ++premiere;
    if (premiere == tableau.size()) return {};

    int prenom = -1, nom = -1, niveau = -1;
    const int entete = ligneDEntete(tableau, premiere);
    if (entete >= 0) {
        // Titles, blank rows and anything else above the header are not pupils.
        premiere = entete;
        const QStringList& titres = tableau[entete];
        for (int i = 0; i < titres.size(); ++i) {
            const Colonne c = colonneDEntete(titres[i]);
            // The first column of each kind counts: "Nom" before "Nom d'usage".
            if (c == Colonne::Prenom && prenom < 0) prenom = i;
            if ((c == Colonne::Nom || c == Colonne::NomComplet) && nom < 0) nom = i;
            if (c == Colonne::Niveau && niveau < 0) niveau = i;
        }
    } else if (colonneDeNiveaux(tableau, premiere, 1, niveaux)) {
        // Without a header: a second column of levels only means a whole name before it; a third
        // column counts as the level only when it holds nothing else (not a birth date).
        nom = 0;
        niveau = 1;
    } else {
        prenom = 0;
        nom = 1;
        niveau = colonneDeNiveaux(tableau, premiere, 2, niveaux) ? 2 : -1;
    }
    const bool sansNiveauDit = entete >= 0 && exportDuLogiciel(tableau, entete, niveaux);

    QList<Eleve> liste;
    for (int l = premiere + (entete >= 0 ? 1 : 0); l < tableau.size(); ++l) {
        const QStringList& ligne = tableau[l];
        const QString complet = (cellule(ligne, prenom) + QLatin1Char(' ') + cellule(ligne, nom)).simplified();
        if (complet.isEmpty()) continue;
        const QString sonNiveau = cellule(ligne, niveau);
        liste << Eleve{l + 1, complet, sonNiveau, sansNiveauDit && sonNiveau.isEmpty()};
    }
    return liste;
}

QList<Eleve> depuisCsv(const QByteArray& octets, const QStringList& niveaux, Avancement* avancement) {
    return eleves(TableauCsv::lit(octets, avancement, estEntete), niveaux);
}

QList<Eleve> lit(const QString& chemin, const QStringList& niveaux, Avancement* avancement) {
    const QString extension = chemin.section(QLatin1Char('.'), -1).toLower();
    if (extension == QStringLiteral("xlsx")) return eleves(TableauClasseur::xlsx(chemin, avancement), niveaux);
    if (extension == QStringLiteral("ods")) return eleves(TableauClasseur::ods(chemin, avancement), niveaux);
    const QString nom = QFileInfo(chemin).fileName();
    if (extension == QStringLiteral("xls"))
        throw ErreurFichier(QStringLiteral("Le classeur « %1 » est dans l'ancien format .xls, qui n'est pas lu : "
                                           "enregistrez-le en .xlsx, .ods ou .csv depuis votre tableur.")
                                .arg(nom));
    try {
        return depuisCsv(FichierTexte::litOctets(chemin), niveaux, avancement);
    } catch (const TableauCsv::TexteIllisible& e) {
        // A picture, a document, or text in an encoding that is not read.
        throw ErreurFichier(QStringLiteral("Le fichier « %1 » n'est pas une liste d'élèves en texte (CSV) ni un "
                                           "classeur .xlsx ou .ods : sa ligne %2 n'est ni du texte UTF-8, ni du "
                                           "Windows-1252, ni de l'UTF-16. La liste n'a pas été lue.")
                                .arg(nom)
                                .arg(e.ligne));
    }
}
}  // namespace ListeLue
