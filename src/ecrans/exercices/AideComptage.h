#pragma once
// The counting help: the octopus button `Aide` (its twin `EnleverAide` takes the help away, the
// greyed `AideGrisee` when there is none), and picture places under the numbers of the question,
// each with a drawing container (".\Images\Tortues\") and a constellation one (".\Images\Dominos\").
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class Image;
class Panneau;
class QWidget;

class AideComptage final : public QObject {
    Q_OBJECT
public:
    explicit AideComptage(QWidget* ecran);
    struct Noms {
        QString dessin, imageDessin, constellation, imageConstellation;
    };
    // A place 158 × 75 at the design place x, y (the turtles' wider, centred on it); returns its index.
    int ajouteEmplacement(int x, int y, const Noms& noms);
    // A new question: no picture; the octopus when help is chosen (TypeAide 0 or 1) and possible
    // for these numbers, else the greyed one.
    void prepare(bool possible);
    // No help at all (shark mode).
    void cacheBoutons();
    // The pictures of these numbers under their places (index, number text), by the TypeAide kind;
    // a missing picture stops here, reported by the event guard.
    void montre(const QList<QPair<int, QString>>& images);
    void enleve();

signals:
    // The pupil asked for help: the screen answers with montre().
    void demandee();

private:
    struct Emplacement {
        Panneau* dessin;
        Image* imageDessin;
        Panneau* constellation;
        Image* imageConstellation;
    };
    void cacheImages();
    QWidget* ecran_;
    QList<Emplacement> emplacements_;
    Image* Aide;
    Image* EnleverAide;
    Image* AideGrisee;
};
