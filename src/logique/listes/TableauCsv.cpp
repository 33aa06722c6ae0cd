#include "logique/listes/TableauCsv.h"

#include "logique/base/Avancement.h"
#include "logique/base/DecodageTexte.h"
#include "logique/listes/ListeLue.h"

#include <QHash>

#include <array>

namespace {
constexpr std::array<char16_t, 3> Candidats = {u';', u'\t', u','};
constexpr qsizetype PasDAvancement = 4096;  // characters between two reports

// The records of the text, cut at `sep`; only up to the `maximum`-th non-empty one when given.
QList<QStringList> cellules(const QString& texte, QChar sep, Avancement* avancement, int maximum = -1) {
    QList<QStringList> lignes;
    QStringList cellules;
    QString cellule;
    bool guillemets = false, debutCellule = true, ligneVide = true;
    int remplies = 0;
    const auto finCellule = [&] {
        cellules << cellule;
        cellule.clear();
        debutCellule = true;
    };
    const auto finLigne = [&] {
        finCellule();
        remplies += !ligneVide;
        lignes << (ligneVide && cellules.size() == 1 && cellules.front().isEmpty() ? QStringList() : cellules);
        cellules.clear();
        ligneVide = true;
    };
    qsizetype prochainAvis = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (avancement && i >= prochainAvis) {
            avancement->annonce(i, texte.size());
            prochainAvis = i + PasDAvancement;
        }
        const QChar c = texte[i];
        if (guillemets) {
            if (c != QLatin1Char('"')) {
                cellule += c;
            } else if (i + 1 < texte.size() && texte[i + 1] == QLatin1Char('"')) {
                cellule += c;
                ++i;
            } else {
                guillemets = false;
            }
            continue;
        }
        if (c == QLatin1Char('"') && debutCellule) {
            // Blanks before an opening quote are the writer's spacing, not the cell's.
            cellule.clear();
            guillemets = true;
            debutCellule = false;
            ligneVide = false;
        } else if (c == sep) {
            finCellule();
            ligneVide = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < texte.size() && texte[i + 1] == QLatin1Char('\n')) ++i;
            finLigne();
            if (maximum >= 0 && remplies >= maximum) return lignes;
        } else {
            cellule += c;
            if (!c.isSpace()) debutCellule = false;
            ligneVide = false;
        }
    }
    if (!cellule.isEmpty() || !cellules.isEmpty() || guillemets) finLigne();
    if (avancement) avancement->annonce(texte.size(), texte.size());
    return lignes;
}

// The index in Candidats of the separator that splits the most of the first non-empty lines
// into the same number of cells; a quote anywhere opens or closes a quoted part.
int plusRegulier(const QString& texte) {
    QList<std::array<int, Candidats.size()>> comptes;
    std::array<int, Candidats.size()> ligne{};
    bool guillemets = false, vu = false;
    const auto finLigne = [&] {
        if (vu) comptes << ligne;
        ligne = {};
        vu = false;
    };
    for (qsizetype i = 0; i < texte.size() && comptes.size() < ListeLue::LignesDEntete; ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('"')) guillemets = !guillemets;
        if (guillemets) continue;
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            finLigne();
            continue;
        }
        if (!c.isSpace()) vu = true;
        for (size_t k = 0; k < Candidats.size(); ++k) ligne[k] += c == QChar(Candidats[k]);
    }
    if (comptes.size() < ListeLue::LignesDEntete) finLigne();
    int meilleur = 0, meilleurNombre = 0;
    for (size_t k = 0; k < Candidats.size(); ++k) {
        // How many lines share the most frequent number of separators (none does not count).
        QHash<int, int> frequences;
        int nombre = 0;
        for (const auto& l : comptes)
            if (l[k] > 0) nombre = std::max(nombre, ++frequences[l[k]]);
        if (nombre > meilleurNombre) {
            meilleur = static_cast<int>(k);
            meilleurNombre = nombre;
        }
    }
    return meilleur;
}
}  // namespace

namespace TableauCsv {
QString decode(const QByteArray& octets) {
    DecodageTexte::Texte t = DecodageTexte::decode(octets);
    if (t.ligneIllisible > 0) throw TexteIllisible(t.ligneIllisible);
    return std::move(t.texte);
}

QChar separateur(const QString& texte, const EstEntete& estEntete) {
    const int regulier = plusRegulier(texte);
    if (!estEntete) return Candidats[regulier];
    // The header decides when one separator splits it into several cells: the regular one first.
    // ("Nom;Prénom" uncut is one cell that reads as a header too.)
    const auto coupeUneEntete = [&](int k) {
        for (const QStringList& l : cellules(texte, Candidats[k], nullptr, ListeLue::LignesDEntete)) {
            qsizetype remplies = 0;
            for (const QString& c : l) remplies += !c.trimmed().isEmpty();
            if (remplies > 1 && estEntete(l)) return true;
        }
        return false;
    };
    if (coupeUneEntete(regulier)) return Candidats[regulier];
    for (int k = 0; k < int(Candidats.size()); ++k)
        if (k != regulier && coupeUneEntete(k)) return Candidats[k];
    return Candidats[regulier];
}

QList<QStringList> lit(const QByteArray& octets, Avancement* avancement, const EstEntete& estEntete) {
    const QString texte = decode(octets);
    return cellules(texte, separateur(texte, estEntete), avancement);
}
}  // namespace TableauCsv
