#include "programme/Demarrage.h"

#include "programme/TAccueil.h"
#include "ecrans/session/TChoixOperateur.h"
#include "logique/base/Aleatoire.h"
#include "logique/base/Messages.h"
#include "logique/journal/ConfigurationServeur.h"
#include "logique/journal/Journal.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/commun/Traductions.h"
#include "ecrans/commun/MessagesEcran.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/exercices/TRevision.h"
#include "ecrans/exercices/TTestDepart.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "ecrans/parametres/TParametrage.h"
#include "ecrans/suivi/TSuiviEleves.h"

#include <random>

namespace Demarrage {
void prepare() {
    Polices::installe();
    MessagesEcran::installe();
    Traductions::installe();
    Aleatoire::graine(std::random_device{}());
}

void connecteServeur() {
    const ConfigurationServeur configuration = Configuration::lit();
    if (!configuration.erreur.isEmpty()) Messages::erreur(configuration.erreur);
    if (!configuration.parametres) return;
    const ParametresConnexion parametres = *configuration.parametres;
    Journal::installeFabrique([parametres](const QString&, const QString&) -> std::unique_ptr<MagasinJournal> {
        return std::make_unique<MagasinSql>(parametres);
    });
}

namespace {
// The identification screen hands a teacher's exercises over to the settings screen.
QWidget* creeParametrage() {
    auto* parametrage = new TParametrage;
    auto* saisie = qobject_cast<TSaisieIdentifiant*>(Ecrans::ecran(Ecrans::Role::SaisieIdentifiant));
    QObject::connect(saisie, &TSaisieIdentifiant::enseignantCharge, parametrage, &TParametrage::recoitEnseignant);
    return parametrage;
}
}  // namespace

void creeLesEcrans() {
    using R = Ecrans::Role;
    struct Declaration {
        R role;
        int typeExercice;  // the exercise kind an exercise screen plays, else 0
        QWidget* (*cree)();
    };
    // The screens in their creation order; a new screen is one line here.
    static const Declaration ecrans[] = {
        {R::SaisieIdentifiant, 0, []() -> QWidget* { return new TSaisieIdentifiant; }},
        {R::Accueil, 0, []() -> QWidget* { return new TAccueil; }},
        {R::ChoixOperateur, 0, []() -> QWidget* { return new TChoixOperateur; }},
        {R::Exo1, 1, []() -> QWidget* { return new TExo1; }},
        {R::Parametrage, 0, []() -> QWidget* { return creeParametrage(); }},
        {R::Exo3, 3, []() -> QWidget* { return new TExo3; }},
        {R::Exo2, 2, []() -> QWidget* { return new TExo2; }},
        {R::Exo4, 4, []() -> QWidget* { return new TExo4; }},
        {R::Form1, 0, []() -> QWidget* { return new TForm1; }},
        {R::Revision, 5, []() -> QWidget* { return new TRevision; }},
        {R::TestDepart, 6, []() -> QWidget* { return new TTestDepart; }},
        {R::SuiviEleves, 0, []() -> QWidget* { return new TSuiviEleves; }},
    };
    // The main window and the start-up screen (the shared state and the teacher list the main
    // window reads when shown) at once; the others, in the same order, once the main window is on
    // screen, or earlier when one of them is asked for.
    const std::size_t desLeDebut = 2;
    for (std::size_t i = 0; i < std::size(ecrans); ++i) {
        const Declaration& d = ecrans[i];
        if (i < desLeDebut) Ecrans::enregistre(d.role, d.cree(), d.typeExercice);
        else Ecrans::annonce(d.role, d.cree, d.typeExercice);
    }
}

void montreFenetrePrincipale() {
    Ecrans::montre(Ecrans::Role::SaisieIdentifiant);
    Ecrans::creeApresAffichage(Ecrans::ecran(Ecrans::Role::SaisieIdentifiant));
}
}  // namespace Demarrage
