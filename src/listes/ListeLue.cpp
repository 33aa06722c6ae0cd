#include "listes/ListeLue.h"

#include "base/Erreurs.h"
#include "base/FichierTexte.h"
#include "listes/TableauClasseur.h"
#include "listes/TableauCsv.h"

#include <QFileInfo>

namespace {
enum class Colonne { Aucune, Prenom, Nom, NomComplet, Niveau };

Colonne colonneDEntete(const QString& cellule) {
    const QString c = ListeLue::cle(cellule);
    if (c.isEmpty()) return Colonne::Aucune;
    static const QStringList complets = {QStringLiteral("eleve"), QStringLiteral("eleves"),
                                         QStringLiteral("nom et prenom"), QStringLiteral("nom prenom"),
                                         QStringLiteral("prenom nom"), QStringLiteral("prenom et nom"),
                                         QStringLiteral("nom complet"), QStringLiteral("identite")};
    if (complets.contains(c)) return Colonne::NomComplet;
    if (c.startsWith(QStringLiteral("prenom"))) return Colonne::Prenom;
    if (c == QStringLiteral("nom") || c.startsWith(QStringLiteral("nom ")) || c == QStringLiteral("nom de famille"))
        return Colonne::Nom;
    if (c.startsWith(QStringLiteral("niveau")) || c == QStringLiteral("classe") || c == QStringLiteral("classes") ||
        c == QStringLiteral("niveau de classe"))
        return Colonne::Niveau;
    return Colonne::Aucune;
}

QString cellule(const QStringList& ligne, int colonne) {
    return colonne >= 0 && colonne < ligne.size() ? ligne[colonne].simplified() : QString();
}

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
}  // namespace

namespace ListeLue {
QString cle(const QString& cellule) {
    QString texte = cellule.normalized(QString::NormalizationForm_D).toCaseFolded();
    texte.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    for (QChar& c : texte)
        if (!c.isLetterOrNumber()) c = QLatin1Char(' ');
    return texte.simplified();
}

QString niveauReconnu(const QString& texte, const QStringList& niveaux) {
    QString c = cle(texte).remove(QLatin1Char(' '));
    if (c.isEmpty()) return {};
    static const QStringList college = {QStringLiteral("6e"), QStringLiteral("6eme"), QStringLiteral("sixieme"),
                                        QStringLiteral("5e"), QStringLiteral("5eme"), QStringLiteral("4e"),
                                        QStringLiteral("4eme"), QStringLiteral("3e"), QStringLiteral("3eme")};
    if (college.contains(c)) c = QStringLiteral("college");
    for (const QString& n : niveaux)
        if (cle(n).remove(QLatin1Char(' ')) == c) return n;
    return {};
}

QList<Eleve> eleves(const QList<QStringList>& tableau, const QStringList& niveaux) {
    int premiere = 0;
    while (premiere < tableau.size() && cle(tableau[premiere].join(QLatin1Char(' '))).isEmpty()) ++premiere;
    if (premiere == tableau.size()) return {};

    int prenom = -1, nom = -1, niveau = -1;
    const QStringList& titres = tableau[premiere];
    for (int i = 0; i < titres.size(); ++i) {
        const Colonne c = colonneDEntete(titres[i]);
        // The first column of each kind counts: "Nom" before "Nom d'usage".
        if (c == Colonne::Prenom && prenom < 0) prenom = i;
        if ((c == Colonne::Nom || c == Colonne::NomComplet) && nom < 0) nom = i;
        if (c == Colonne::Niveau && niveau < 0) niveau = i;
    }
    const bool entete = prenom >= 0 || nom >= 0;
    if (!entete) {
        // Without a header: a second column of levels only means a whole name before it; a third
        // column counts as the level only when it holds nothing else (not a birth date).
        if (colonneDeNiveaux(tableau, premiere, 1, niveaux)) {
            nom = 0;
            niveau = 1;
        } else {
            prenom = 0;
            nom = 1;
            niveau = colonneDeNiveaux(tableau, premiere, 2, niveaux) ? 2 : -1;
        }
    }

    QList<Eleve> liste;
    for (int l = premiere + (entete ? 1 : 0); l < tableau.size(); ++l) {
        const QStringList& ligne = tableau[l];
        const QString complet = (cellule(ligne, prenom) + QLatin1Char(' ') + cellule(ligne, nom)).simplified();
        if (complet.isEmpty()) continue;
        liste << Eleve{l + 1, complet, cellule(ligne, niveau)};
    }
    return liste;
}

QList<Eleve> lit(const QString& chemin, const QStringList& niveaux, Avancement* avancement) {
    const QString extension = chemin.section(QLatin1Char('.'), -1).toLower();
    if (extension == QStringLiteral("xlsx")) return eleves(TableauClasseur::xlsx(chemin, avancement), niveaux);
    if (extension == QStringLiteral("ods")) return eleves(TableauClasseur::ods(chemin, avancement), niveaux);
    const QString nom = QFileInfo(chemin).fileName();
    if (extension == QStringLiteral("xls"))
        throw ErreurFichier(QStringLiteral("Le classeur « %1 » est dans l'ancien format .xls, qui n'est pas lu : "
                                           "enregistrez-le en .xlsx, .ods ou .csv depuis votre tableur.").arg(nom));
    const QByteArray octets = FichierTexte::litOctets(chemin);
    // A text file holds no zero byte: anything else (a picture, a document) would give nonsense names.
    if (octets.contains('\0'))
        throw ErreurFichier(QStringLiteral("Le fichier « %1 » n'est pas une liste d'élèves en texte (CSV) ni un "
                                           "classeur .xlsx ou .ods : la liste n'a pas été lue.").arg(nom));
    return eleves(TableauCsv::lit(octets), niveaux);
}
}  // namespace ListeLue
