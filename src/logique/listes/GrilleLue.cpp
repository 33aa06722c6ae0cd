#include "logique/listes/GrilleLue.h"

#include "logique/listes/BornesClasseur.h"

#include <algorithm>

using namespace BornesClasseur;

namespace {
bool blanc(const QString& texte) {
    return std::all_of(texte.cbegin(), texte.cend(), [](QChar c) { return c.isSpace(); });
}
}  // namespace

void GrilleLue::ajoute(QString& texte, QByteArrayView utf8) {
    const qint64 place = CaracteresCelluleMax + 1 - texte.size();
    if (place <= 0) return;
    // A character takes at most four bytes: these give every character that still has a place.
    texte += QString::fromUtf8(utf8.first(std::min<qint64>(utf8.size(), 4 * place)));
    texte.truncate(CaracteresCelluleMax + 1);
}

void GrilleLue::ajouteEspaces(QString& texte, qint64 nombre) {
    texte += QString(std::clamp<qint64>(CaracteresCelluleMax + 1 - texte.size(), 0, nombre), QLatin1Char(' '));
}

void GrilleLue::depense(qint64 unites) {
    if (unites > TexteMax - depense_) refuse(Refus::TropDeTexte, chemin_);
    depense_ += unites;
}

void GrilleLue::compte(qint64 caracteres) { depense(caracteres + CoutCellule); }

void GrilleLue::cellule(qint64 colonne, const QString& texte, qint64 fois) {
    if (texte.size() > CaracteresCelluleMax) refuse(Refus::CelluleTropLongue, chemin_);
    if (blanc(texte)) return;
    if (colonne < 1 || fois > ColonnesMax - colonne + 1) refuse(Refus::TropDeColonnes, chemin_);
    while (ligne_.size() < colonne - 1) {
        ligne_ << QString();
        coutLigne_ += CoutCellule;
    }
    // A cell given twice (out of order) replaces the first.
    for (qint64 c = colonne - 1; c < colonne - 1 + fois; ++c) {
        if (c < ligne_.size()) ligne_[c] = texte;
        else ligne_ << texte;
        coutLigne_ += texte.size() + CoutCellule;
    }
    if (coutLigne_ > TexteMax - depense_) refuse(Refus::TropDeTexte, chemin_);
}

void GrilleLue::finLigne(qint64 ligne, qint64 fois) {
    if (ligne_.isEmpty()) return;
    if (ligne < 1 || fois > LignesMax - ligne + 1) refuse(Refus::TropDeLignes, chemin_);
    depense((coutLigne_ + CoutCellule) * fois + CoutCellule * std::max<qint64>(0, ligne - 1 - lignes_.size()));
    while (lignes_.size() < ligne - 1) lignes_ << QStringList();
    // Repeated rows share their cells.
    for (qint64 l = ligne - 1; l < ligne - 1 + fois; ++l) {
        if (l < lignes_.size()) lignes_[l] = ligne_;
        else lignes_ << ligne_;
    }
    ligne_.clear();
    coutLigne_ = 0;
}
