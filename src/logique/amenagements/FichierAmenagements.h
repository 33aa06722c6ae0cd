#pragma once
// A pupil's adjustments file, "amenagement_<pupil>_de_<T>.txt" in the class folder, written
// through FichierTexte like the pupil's other files (Windows-1252, CR LF) and read leniently, as a
// teacher may edit it by hand (docs/amenagements.md, byte for byte):
//   temps=1,5
//   police=andika
//   taille=125
//   espacement=oui
//   contraste=non
//   voix=oui
//   questions=moins
// One "clé=valeur" a line; blanks around either, the case and "1.5" for "1,5" or "125 %" for
// "125" do not matter. No file, or a key missing: that adjustment is off. Reading never fails:
// a line not understood counts for nothing and gets a French note for the teacher. Rewriting
// changes only the known keys' lines; blank lines, "#" comments, unknown keys (a later version's,
// a typo) and lines not understood stay where they are.
#include "logique/amenagements/Amenagements.h"
#include "logique/amenagements/AmenagementsPartiels.h"

#include <QString>
#include <QStringList>

namespace FichierAmenagements {
struct Lu {
    Amenagements amenagements;
    QStringList avis;  // for the teacher, one per line not understood or file not read
};

// "<class folder>amenagement_<pupil>_de_<T>.txt".
QString chemin(const QString& repertoireClasse, const QString& eleve, const QString& enseignant);

// The adjustments the lines give, with a note for each line not understood (naming the pupil).
Lu depuisLignes(const QStringList& lignes, const QString& eleve);
// The lines of a file with every known key set to what `lignes` give with `changements` over it:
// a known key's first line rewritten in its written form, its later ones dropped, a key missing
// added after the others in the order above, every other line kept.
QStringList lignesModifiees(const QStringList& lignes, const AmenagementsPartiels& changements);

// The pupil's adjustments; none without a file, a note when it cannot be read.
Lu lit(const QString& repertoireClasse, const QString& eleve, const QString& enseignant);

// Changes these keys in each pupil's file, under its lock, the others as they were; a pupil
// without file gets one only when something is on. Several files are written at once, like the
// parameter files; one that cannot be written does not stop the others: the French messages of
// the failures are returned, in the pupils' order.
QStringList modifie(const QString& repertoireClasse, const QString& enseignant, const QStringList& eleves,
                    const AmenagementsPartiels& changements);
}  // namespace FichierAmenagements
