#include "logique/identification/NomsRegistre.h"

#include "logique/etat/NomsDossier.h"

namespace Registre {
QString FichierListeEleves(const QString& enseignant) {
    return NomsDossier::repertoireClasse(enseignant) + NomsDossier::listeEleves(enseignant);
}

QString EnteteListeEleves(const QString& enseignant) {
    if (enseignant == Aucun) return EnteteSansEnseignant;
    return QStringLiteral("--------------Fichier de la classe de ") + enseignant + QStringLiteral("--------------");
}

QString LigneNiveau(int index) { return QStringLiteral(">%1 - enseigne la classe de %2").arg(index).arg(Niveaux.value(index)); }

QString LigneEleve(const QString& nom, const QString& niveau) {
    return niveau.isEmpty() ? nom : nom + QStringLiteral(" en classe de ") + niveau;
}

int IndexDeNiveau(const QString& ligne) {
    if (!ligne.startsWith(QLatin1Char('>'))) return -1;
    // The index runs from the 2nd character up to " -"; the words after it are never read.
    const qsizetype fin = ligne.indexOf(QStringLiteral(" -"));
    const QString texte = ligne.mid(1, fin < 0 ? -1 : fin - 1);
    bool ok = false;
    const int index = texte.toInt(&ok);
    return ok && index >= 0 && index < Niveaux.size() ? index : -1;
}
}  // namespace Registre
