#include "ecrans/exercices/AideComptage.h"

#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/Dessins.h"
#include "logique/etat/SharedState.h"
#include "logique/sons/Phrases.h"

// The octopus floats in the water left of the number strip, clear of the pirate's rope at the
// left edge and of the rock and coral on the sand below it.
AideComptage::AideComptage(QWidget* ecran) : QObject(ecran), ecran_(ecran) {
    AideGrisee = Fabrique::image(ecran, QStringLiteral("AideGrisee"), QStringLiteral("aide_grisee"), 130, 488, 110, 120);
    EnleverAide = Fabrique::image(ecran, QStringLiteral("EnleverAide"), QStringLiteral("enlever_aide"), 130, 488, 110, 120, true);
    Aide = Fabrique::image(ecran, QStringLiteral("Aide"), QStringLiteral("aide"), 130, 488, 110, 120, true);
    connect(Aide, &Image::clique, this, &AideComptage::demandee);
    connect(EnleverAide, &Image::clique, this, &AideComptage::enleve);
    cacheBoutons();
}

// The turtles, big enough to count at a glance, take a wider place than the dots, centred under
// the same number (two trays of five: 236 × 84, above the tallest number strip).
constexpr QSize Place(158, 75), PlaceTortues(236, 84);

int AideComptage::ajouteEmplacement(int x, int y, const Noms& noms) {
    const auto conteneur = [&](const QString& nom, const QString& nomImage, Image*& contenu, QSize taille) {
        Panneau* p = Fabrique::panneau(ecran_, nom, x + (Place.width() - taille.width()) / 2, y, taille.width(), taille.height());
        Marques::gardeProportions(p);
        contenu = Fabrique::image(p, nomImage, QString(), 0, 0, taille.width(), taille.height());
        p->hide();
        return p;
    };
    Emplacement e{};
    e.dessin = conteneur(noms.dessin, noms.imageDessin, e.imageDessin, PlaceTortues);
    e.constellation = conteneur(noms.constellation, noms.imageConstellation, e.imageConstellation, Place);
    emplacements_.append(e);
    return emplacements_.size() - 1;
}

void AideComptage::cacheImages() {
    for (const Emplacement& e : emplacements_) {
        e.dessin->hide();
        e.constellation->hide();
    }
}

void AideComptage::prepare(bool possible) {
    cacheImages();
    const bool aide = Etat().TypeAide != 2 && possible;
    EnleverAide->hide();
    Aide->setVisible(aide);
    AideGrisee->setVisible(!aide);
}

void AideComptage::cacheBoutons() {
    Aide->hide();
    AideGrisee->hide();
    EnleverAide->hide();
    cacheImages();
}

void AideComptage::montre(const QList<QPair<int, QString>>& images) {
    const int genre = Etat().TypeAide;
    if (genre != 0 && genre != 1) return;
    const QString dossier = genre == 0 ? QStringLiteral("Images/Tortues/") : QStringLiteral("Images/Dominos/");
    for (const auto& [indice, texte] : images) {
        const Emplacement& e = emplacements_[indice];
        Panneau* conteneur = genre == 0 ? e.dessin : e.constellation;
        Image* image = genre == 0 ? e.imageDessin : e.imageConstellation;
        conteneur->show();
        image->setPixmap(Dessins::charge(dossier + texte + QStringLiteral(".jpg"), image->size()));
        Accessibilite::nomme(image, QStringLiteral("Pour compter : %1").arg(Phrases::nombre(texte.toInt())));
    }
    Aide->hide();
    EnleverAide->show();
}

void AideComptage::enleve() {
    const bool dessins = Etat().TypeAide == 0;
    for (const Emplacement& e : emplacements_) (dessins ? e.dessin : e.constellation)->hide();
    Aide->show();
    EnleverAide->hide();
}
