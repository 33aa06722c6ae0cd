#pragma once
// The free-practice chooser: the pupil picks an exercise (or the review), an operation and a timing creature by
// pictures, then presses the fish to play; the quit picture ends the pupil's connection. A pupil
// who never answered a question of the operation chosen is first offered its starting test: the
// journal is read off the screen's thread, the box comes once it is read.
#include "ecrans/commun/Fenetre.h"

#include <QFutureWatcher>
#include <array>

class Image;
class QLabel;

class TChoixOperateur final : public Fenetre {
    Q_OBJECT
public:
    TChoixOperateur();

    // Event handlers (a click on a highlighted twin acts like a click on its picture).
    void ImageExo1Click() { choisitExercice(1); }
    void ImageExo2Click() { choisitExercice(2); }
    void ImageExo3Click() { choisitExercice(3); }
    void ImageExo4Click() { choisitExercice(4); }
    void ImageRevisionClick() { choisitExercice(5); }
    void SigneBulleAdditionClick() { choisitSigne(0); }
    void SigneBulleSoustractionClick() { choisitSigne(1); }
    void SigneBulleMultiplicationClick() { choisitSigne(2); }
    void SigneBulleDivisionClick() { choisitSigne(3); }
    void RequinClick();
    void PirateClick();
    void BaleineClick();
    void JouerClick();
    void QuitterChoixOperateurClick();

    bool signeChoisi() const { return SigneChoisi; }
    bool tempsChoisi() const { return TempsChoisi; }

protected:
    void FormShow() override;

private:
    // A picture and its highlighted twin at the same place.
    struct Choix {
        Image* image;
        Image* selectionne;
    };
    template <std::size_t N>
    using Colonne = std::array<Choix, N>;

    void FormCreate();
    Choix choix(const QString& nom, const QString& dessin, const QRect& place, void (TChoixOperateur::*clic)());
    Image* image(const QString& nom, const QString& dessin, const QRect& place);
    template <std::size_t N>
    static void surligne(Colonne<N>& colonne, int choisi);
    void choisitExercice(int type);
    void choisitSigne(int operation);
    void dit(const QString& texte);
    // The journal read: the starting test offered when the pupil never answered the operation.
    void journalLu();
    void joue();

    QLabel* Enonce;
    Image* ImageFond;
    Colonne<5> exercices_;  // exercises 1 to 4, then the review
    Colonne<4> signes_;
    Colonne<3> creatures_;  // shark, pirate, whale
    Image* RequinGrise;
    Image* PoissonJouer;
    QLabel* Parole;
    Image* QuitterChoixOperateur;

    bool SigneChoisi = false;
    bool TempsChoisi = false;
    int signe_ = -1;
    int signeLu_ = -1;  // the operation whose answers are being read
    // Whether the pupil ever answered the operation chosen (true too when it cannot be told).
    QFutureWatcher<bool> lecture_;
};
