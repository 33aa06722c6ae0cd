#pragma once
// The free-practice chooser: the pupil picks an operation, an exercise (or the review) and a timing
// creature by pictures, in three numbered steps (the step to take lit, the others waiting), then
// presses the fish, which says "C'est parti !" once the three are chosen; the quit picture ends
// the pupil's connection. Everything works with the keyboard too: the arrows within a step, Enter
// or Space to choose, Tab to the next step, then the fish and the quit picture. A pupil who never
// answered a question of the operation chosen is first offered its starting test: the journal is
// read off the screen's thread, the box comes once it is read.
#include "ecrans/commun/Fenetre.h"
#include "logique/session/ChoixOperateur.h"

#include <QFutureWatcher>
#include <QRect>
#include <array>

class CaseChoix;
class EtapeChoix;
class Image;
class QLabel;

class TChoixOperateur final : public Fenetre {
    Q_OBJECT
public:
    TChoixOperateur();

    // Event handlers (a click on a highlighted twin or on a name acts like a click on its picture).
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
    // Tab and Shift+Tab go from step to step, then to the fish and the quit picture.
    bool focusNextPrevChild(bool suivant) override;
    // A key while the keyboard is on nothing yet brings it to the step to take.
    void keyPressEvent(QKeyEvent* e) override;

private:
    template <std::size_t N>
    using Colonne = std::array<CaseChoix*, N>;

    void FormCreate();
    Image* image(const QString& nom, const QString& dessin, const QRect& place);
    CaseChoix* choix(EtapeChoix* etape, const QString& nom, const QString& dessin, const QString& texte, const QSize& design,
                     void (TChoixOperateur::*clic)());
    CaseChoix* seule(const QString& nom, const QString& dessin, const QString& nomAccessible, const QRect& place,
                     void (TChoixOperateur::*clic)());
    void placeLeTitre();
    template <std::size_t N>
    static void surligne(Colonne<N>& colonne, int choisi);
    void choisitExercice(int type);
    void choisitSigne(int operation);
    void choisitCreature(ChoixOperateur::Creature creature);
    // The steps lit, faded or done, and the fish ready or not, after every choice.
    void actualise();
    // After a choice made with the keys: on to the step to take, or the fish once all are made.
    void suitLaLumiere();
    // Where Tab stops: the three steps, the fish, the quit picture.
    QList<QWidget*> arrets() const;
    void dit(const QString& texte);
    // The journal read: the starting test offered when the pupil never answered the operation.
    void journalLu();
    void joue();

    QLabel* Enonce;
    Image* ImageFond;
    std::array<EtapeChoix*, ChoixOperateur::NombreEtapes> etapes_;
    std::array<QRect, ChoixOperateur::NombreEtapes> placesEtapes_;  // fitted to the display, before any title pushes them
    Colonne<5> exercices_;                                          // exercises 1 to 4, then the review
    Colonne<4> signes_;
    Colonne<3> creatures_;  // shark, pirate, whale
    CaseChoix* poisson_;
    Image* PoissonJouer;
    QLabel* Parole;
    CaseChoix* quitter_;
    Image* QuitterChoixOperateur;

    bool SigneChoisi = false;
    bool TempsChoisi = false;
    int signe_ = -1;
    int signeLu_ = -1;  // the operation whose answers are being read
    // Whether the pupil ever answered the operation chosen (true too when it cannot be told).
    QFutureWatcher<bool> lecture_;
};
