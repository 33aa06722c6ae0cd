#pragma once
// The fixed texts and paths of the registry of teachers, class levels and pupils.
#include <QString>
#include <QStringList>

namespace Registre {
// The six class levels; a level line stores the index in this list.
inline const QStringList Niveaux = {QStringLiteral("cp"),  QStringLiteral("ce1"), QStringLiteral("ce2"),
                                    QStringLiteral("cm1"), QStringLiteral("cm2"), QStringLiteral("college")};

// The pseudo-teacher of pupils without teacher, and the list entries that stand for "new".
inline const QString Aucun = QStringLiteral("aucun");
// The heading line of the teacher list.
inline const QString EnteteEnseignants = QStringLiteral("-------------Fichier contenant le nom des enseignants----------");
inline const QString EnseignantNonInscrit = QStringLiteral("Enseignant non inscrit");
inline const QString EleveNonInscrit = QStringLiteral("Elève non inscrit");

inline const QString EnteteSansEnseignant = QStringLiteral("-----------Fichier des eleves sans enseignant---------");

// The pupil list of a teacher in its class folder (NomsDossier::listeEleves).
QString FichierListeEleves(const QString& enseignant);
// The first line of a pupil list.
QString EnteteListeEleves(const QString& enseignant);
// ">" + index + " - enseigne la classe de " + level.
QString LigneNiveau(int index);
// "<nom> en classe de <niveau>", or the bare name without level.
QString LigneEleve(const QString& nom, const QString& niveau);
// The level index of a level line, or -1 when the line is not a readable level line.
int IndexDeNiveau(const QString& ligne);
}
