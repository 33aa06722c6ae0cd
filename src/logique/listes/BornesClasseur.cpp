#include "logique/listes/BornesClasseur.h"

#include "logique/base/Erreurs.h"

#include <QFileInfo>

namespace BornesClasseur {
QString texte(Refus refus, const QString& chemin) {
    // The numbers are those of the bounds above, with a no-break space between thousands.
    const char* raison = "";
    switch (refus) {
        case Refus::Illisible:
            return QStringLiteral("Le fichier « %1 » n'est pas un classeur lisible : la liste n'a pas été lue.")
                .arg(QFileInfo(chemin).fileName());
        case Refus::TropGrand: raison = "est bien trop grand"; break;
        case Refus::TropDeLignes: raison = "a plus de 100\u00A0000 lignes"; break;
        case Refus::TropDeColonnes: raison = "a plus de 200 colonnes"; break;
        case Refus::CelluleTropLongue: raison = "a une cellule de plus de 5\u00A0000 caractères"; break;
        case Refus::TropDeTexte: raison = "contient bien trop de texte"; break;
        case Refus::TropImbrique: raison = "est trop imbriqué pour être lu"; break;
    }
    return QStringLiteral("Le classeur « %1 » %2 : ce n'est pas une liste d'élèves.")
        .arg(QFileInfo(chemin).fileName(), QString::fromUtf8(raison));
}

void refuse(Refus refus, const QString& chemin) { throw ErreurFichier(texte(refus, chemin)); }
}  // namespace BornesClasseur
