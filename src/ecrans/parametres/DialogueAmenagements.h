#pragma once
// The teacher's panel of the pupils' adjustments ("Aménagements"), opened from the settings
// screen: the class's pupils with tick boxes, and what is adjusted for those ticked. Where the
// ticked pupils differ, the control says so ("différent selon les élèves", a half-ticked box);
// "OK" writes, for each pupil ticked, only what the teacher changed, "Annuler" writes nothing.
// Usable from the keyboard alone: Tab between controls, Space ticks, Alt and the underlined
// letter reaches a control, Enter is "OK", Escape "Annuler".
#include "logique/amenagements/AmenagementsPartiels.h"
#include "logique/amenagements/FichierAmenagements.h"

#include <QDialog>
#include <QMap>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class DialogueAmenagements final : public QDialog {
    Q_OBJECT
public:
    // The class's pupils (registry lines) of the teacher, whose files lie in `repertoireClasse`;
    // `installee` says whether a font family is on the computer.
    DialogueAmenagements(QWidget* parent, const QString& repertoireClasse, const QString& enseignant, const QStringList& eleves,
                         std::function<bool(const QString&)> installee);

    void OKClick();

private:
    using Cle = AmenagementsPartiels::Cle;

    QStringList elevesCoches() const;
    // The controls show what the ticked pupils share, with the teacher's changes over it.
    void affiche();
    void afficheChoix(QComboBox* liste, std::optional<int> valeur);
    void afficheCoche(QCheckBox* coche, std::optional<int> valeur);
    void afficheRemarques(const QStringList& avis);
    void affichePoliceAbsente();
    QComboBox* deroulante(const QString& nom, const QString& nomAccessible, const QStringList& textes,
                          const QString& description);
    QCheckBox* coche(const QString& nom, const QString& texte, const QString& description);
    void relie(QComboBox* liste, Cle cle);
    void relie(QCheckBox* coche, Cle cle);

    QString repertoireClasse_, enseignant_;
    QMap<QString, FichierAmenagements::Lu> lus_;
    AmenagementsPartiels changements_;
    std::function<bool(const QString&)> installee_;

    QListWidget* Eleves = nullptr;
    QCheckBox* CocheDecoche = nullptr;
    QComboBox *Temps = nullptr, *Police = nullptr, *Taille = nullptr;
    QCheckBox *Espacement = nullptr, *Contraste = nullptr, *Voix = nullptr, *MoinsDeQuestions = nullptr;
    QLabel *PoliceAbsente = nullptr, *Remarques = nullptr;
    QList<QWidget*> reglages_;  // what is greyed while no pupil is ticked
};
