#pragma once
// The pupils' looks the layout checks run with: the program's, and each font offered at +50 %
// with more spacing (the largest texts a pupil can have), each named for the failure messages;
// and each of them at the four display sizes the screens are checked at.
#include "logique/amenagements/Amenagements.h"

#include <QList>
#include <QSize>
#include <QString>
#include <utility>

inline QList<std::pair<QString, Amenagements>> amenagementsEssayes() {
    QList<std::pair<QString, Amenagements>> essais{{QString(), Amenagements{}}};
    for (const auto police :
         {Amenagements::Police::Programme, Amenagements::Police::Andika, Amenagements::Police::OpenDyslexic}) {
        Amenagements a;
        a.police = police;
        a.taille = Amenagements::Taille::Plus50;
        a.espacement = true;
        essais.append({QStringLiteral("%1 +50 % espacée ").arg(Amenagements::nomDeFamille(police)), a});
    }
    return essais;
}

struct EssaiDAffichage {
    QString nom;
    Amenagements amenagements;
    QSize taille;
};
inline QList<EssaiDAffichage> essaisAuxQuatreTailles() {
    QList<EssaiDAffichage> essais;
    for (const auto& [nom, amenagements] : amenagementsEssayes())
        for (const QSize taille : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)})
            essais.append({nom, amenagements, taille});
    return essais;
}
