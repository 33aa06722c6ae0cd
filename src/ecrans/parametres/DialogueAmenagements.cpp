#include "ecrans/parametres/DialogueAmenagements.h"

#include "ecrans/commun/StyleProportionne.h"
#include "ecrans/parametres/ListesCochees.h"
#include "logique/base/Garde.h"
#include "logique/base/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ListesCochees;

namespace {
// The entry a drop-down list shows while the ticked pupils differ; its value is none.
const QString Different = QStringLiteral("Différent selon les élèves");
constexpr int AucuneValeur = -1;
// Notes shown at most; the others are counted.
constexpr int RemarquesMax = 5;

QString sansEsperluette(QString texte) { return texte.remove(QLatin1Char('&')); }

// The Debian package that brings a family offered to pupils.
QString paquet(Amenagements::Police police) {
    return police == Amenagements::Police::Andika ? QStringLiteral("fonts-sil-andika") : QStringLiteral("fonts-opendyslexic");
}
}  // namespace

DialogueAmenagements::DialogueAmenagements(QWidget* parent, const QString& repertoireClasse, const QString& enseignant,
                                           const QStringList& eleves, std::function<bool(const QString&)> installee)
    : QDialog(parent), repertoireClasse_(repertoireClasse), enseignant_(enseignant), installee_(std::move(installee)) {
    setObjectName(QStringLiteral("DialogueAmenagements"));
    setWindowTitle(QStringLiteral("Aménagements des élèves"));
    setModal(true);
    // The settings screen's fitted type and colours: the panel reads like the screen at any size.
    if (parent) {
        setFont(parent->font());
        setPalette(parent->palette());
    }
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0xf3, 0xff, 0xf7));
    setPalette(fond);
    setAutoFillBackground(true);

    auto* consigne = new QLabel(QStringLiteral("Cochez un ou plusieurs élèves, puis choisissez ce qui change pour eux. "
                                               "Ce que vous ne changez pas reste comme avant pour chaque élève."),
                                this);
    consigne->setObjectName(QStringLiteral("Consigne"));
    consigne->setWordWrap(true);

    auto* titreEleves = new QLabel(QStringLiteral("Élèves de la &classe"), this);
    titreEleves->setObjectName(QStringLiteral("TitreEleves"));
    Eleves = new QListWidget(this);
    Eleves->setObjectName(QStringLiteral("Eleves"));
    Eleves->setAccessibleName(QStringLiteral("Élèves de la classe"));
    Eleves->setAccessibleDescription(
        QStringLiteral("Cochez avec la barre d'espace les élèves dont vous voulez voir ou changer les aménagements."));
    StyleProportionne::applique(Eleves);
    titreEleves->setBuddy(Eleves);
    for (const QString& e : eleves) {
        ajouteCoche(Eleves, e, false);
        lus_.insert(e, FichierAmenagements::lit(repertoireClasse_, e, enseignant_));
    }
    if (Eleves->count() > 0) Eleves->setCurrentRow(0);
    // Alt+D: Alt+T is the time's.
    CocheDecoche = new QCheckBox(QStringLiteral("Tout cocher/&décocher"), this);
    CocheDecoche->setObjectName(QStringLiteral("CocheDecocheEleves"));
    CocheDecoche->setAccessibleName(QStringLiteral("Tout cocher ou décocher"));
    StyleProportionne::applique(CocheDecoche);

    Temps = deroulante(QStringLiteral("Temps"), QStringLiteral("Temps de réponse"),
                       {QStringLiteral("Temps normal"), QStringLiteral("Temps × 1,5"), QStringLiteral("Temps × 2"),
                        QStringLiteral("Temps × 3"), QStringLiteral("Sans limite de temps")},
                       QStringLiteral("Le temps de réponse de la séquence multiplié, ou sans limite : la créature ne "
                                      "prend plus la pièce ni n'éclate la bulle."));
    Police = deroulante(QStringLiteral("Police"), QStringLiteral("Police"),
                        {QStringLiteral("Police du logiciel"), Amenagements::nomDeFamille(Amenagements::Police::Andika),
                         Amenagements::nomDeFamille(Amenagements::Police::OpenDyslexic)},
                        QStringLiteral("La police des textes que l'élève lit."));
    Taille = deroulante(QStringLiteral("Taille"), QStringLiteral("Taille du texte"),
                        {QStringLiteral("Taille normale"), QStringLiteral("Plus grande (+25\u00A0%)"),
                         QStringLiteral("Encore plus grande (+50\u00A0%)")},
                        QStringLiteral("La taille des textes que l'élève lit."));
    Espacement = coche(QStringLiteral("Espacement"), QStringLiteral("&Espacer davantage les lettres et les mots"),
                       QStringLiteral("Plus d'espace entre les lettres et entre les mots des textes de l'élève."));
    Contraste = coche(QStringLiteral("Contraste"), QStringLiteral("Contraste &renforcé"),
                      QStringLiteral("Des couleurs plus contrastées sur les écrans de l'élève."));
    Voix = coche(QStringLiteral("Voix"), QStringLiteral("Lire à &voix haute, même si la classe ne l'a pas choisi"),
                 QStringLiteral("Les consignes et les questions sont lues à voix haute pour cet élève."));
    MoinsDeQuestions = coche(
        QStringLiteral("MoinsDeQuestions"),
        QStringLiteral("Moins de &questions par exercice (la moitié, %1 au moins)").arg(Amenagements::QuestionsAuMoins),
        QStringLiteral("La moitié des questions de chaque exercice, arrondie au-dessus, jamais moins "
                       "de %1 ni plus que la séquence n'en demande.")
            .arg(Amenagements::QuestionsAuMoins));

    PoliceAbsente = new QLabel(this);
    PoliceAbsente->setObjectName(QStringLiteral("PoliceAbsente"));
    PoliceAbsente->setWordWrap(true);
    Remarques = new QLabel(this);
    Remarques->setObjectName(QStringLiteral("Remarques"));
    Remarques->setWordWrap(true);
    Remarques->setAccessibleName(QStringLiteral("Remarques sur les fichiers des élèves"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName(QStringLiteral("Annuler"));
    annuler->setAccessibleDescription(QStringLiteral("Fermer sans rien changer."));
    ok->setAccessibleDescription(QStringLiteral("Enregistrer les changements pour les élèves cochés."));

    auto* formulaire = new QFormLayout;
    formulaire->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const auto& [texte, liste] : {std::pair{QStringLiteral("&Temps de réponse :"), Temps},
                                       {QStringLiteral("&Police :"), Police},
                                       {QStringLiteral("Taille du te&xte :"), Taille}}) {
        auto* etiquette = new QLabel(texte, this);
        etiquette->setObjectName(QStringLiteral("Titre") + liste->objectName());
        etiquette->setBuddy(liste);
        formulaire->addRow(etiquette, liste);
    }
    auto* droite = new QVBoxLayout;
    droite->addLayout(formulaire);
    droite->addWidget(PoliceAbsente);
    for (QCheckBox* c : {Espacement, Contraste, Voix, MoinsDeQuestions}) droite->addWidget(c);
    droite->addWidget(Remarques);
    droite->addStretch(1);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(titreEleves);
    gauche->addWidget(Eleves, 1);
    gauche->addWidget(CocheDecoche);

    auto* milieu = new QHBoxLayout;
    milieu->addLayout(gauche, 2);
    milieu->addLayout(droite, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(consigne);
    colonne->addLayout(milieu, 1);
    colonne->addLayout(boutons);

    reglages_ = {Temps, Police, Taille, Espacement, Contraste, Voix, MoinsDeQuestions};
    relie(Temps, Cle::Temps);
    relie(Police, Cle::Police);
    relie(Taille, Cle::Taille);
    relie(Espacement, Cle::Espacement);
    relie(Contraste, Cle::Contraste);
    relie(Voix, Cle::Voix);
    relie(MoinsDeQuestions, Cle::Questions);
    connect(Eleves, &QListWidget::itemChanged, this, [this] { Garde::execute([this] { affiche(); }); });
    Garde::connecte(CocheDecoche, &QCheckBox::clicked, this, [this] { cocheTout(Eleves, CocheDecoche->isChecked()); });
    Garde::connecte(ok, &QPushButton::clicked, this, [this] { OKClick(); });
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    affiche();
    Eleves->setFocus();
    // Room for every text at the screen's size, within the screen.
    if (parent) resize(sizeHint().boundedTo(parent->size()).expandedTo(parent->size() * 2 / 3).boundedTo(parent->size()));
}

QComboBox* DialogueAmenagements::deroulante(const QString& nom, const QString& nomAccessible, const QStringList& textes,
                                            const QString& description) {
    auto* liste = new QComboBox(this);
    liste->setObjectName(nom);
    liste->setAccessibleName(nomAccessible);
    for (int i = 0; i < textes.size(); ++i) liste->addItem(textes[i], i);
    liste->setAccessibleDescription(description);
    liste->setToolTip(description);
    StyleProportionne::elargitDeroulante(liste);
    return liste;
}

QCheckBox* DialogueAmenagements::coche(const QString& nom, const QString& texte, const QString& description) {
    auto* c = new QCheckBox(texte, this);
    c->setObjectName(nom);
    c->setAccessibleName(sansEsperluette(texte));
    c->setAccessibleDescription(description);
    c->setToolTip(description);
    StyleProportionne::applique(c);
    return c;
}

void DialogueAmenagements::relie(QComboBox* liste, Cle cle) {
    // `activated` is the teacher's choice only, never the panel's own display.
    Garde::connecte(liste, &QComboBox::activated, this, [this, liste, cle] {
        const int valeur = liste->currentData().toInt();
        if (valeur == AucuneValeur) return;
        changements_.fixe(cle, valeur);
        affiche();
    });
}

void DialogueAmenagements::relie(QCheckBox* coche, Cle cle) {
    // From "different" a click ticks; then the box goes between ticked and not.
    Garde::connecte(coche, &QCheckBox::clicked, this, [this, coche, cle] {
        changements_.fixe(cle, coche->checkState() != Qt::Unchecked);
        affiche();
    });
}

QStringList DialogueAmenagements::elevesCoches() const {
    QStringList coches;
    for (int i = 0; i < Eleves->count(); ++i)
        if (estCoche(Eleves->item(i))) coches << Eleves->item(i)->text();
    return coches;
}

void DialogueAmenagements::affiche() {
    const QStringList coches = elevesCoches();
    QList<Amenagements> valeurs;
    QStringList avis;
    for (const QString& e : coches) {
        valeurs << lus_.value(e).amenagements;
        avis << lus_.value(e).avis;
    }
    // Nobody ticked: the controls, greyed, show the defaults.
    if (coches.isEmpty()) valeurs << Amenagements{};
    const AmenagementsPartiels montres = changements_.sur(AmenagementsPartiels::communs(valeurs));
    for (QWidget* w : reglages_) w->setEnabled(!coches.isEmpty());
    afficheChoix(Temps, montres.valeur(Cle::Temps));
    afficheChoix(Police, montres.valeur(Cle::Police));
    afficheChoix(Taille, montres.valeur(Cle::Taille));
    afficheCoche(Espacement, montres.valeur(Cle::Espacement));
    afficheCoche(Contraste, montres.valeur(Cle::Contraste));
    afficheCoche(Voix, montres.valeur(Cle::Voix));
    afficheCoche(MoinsDeQuestions, montres.valeur(Cle::Questions));
    afficheRemarques(avis);
    affichePoliceAbsente();
}

void DialogueAmenagements::afficheChoix(QComboBox* liste, std::optional<int> valeur) {
    const bool different = liste->itemData(0).toInt() == AucuneValeur;
    if (!valeur && !different) liste->insertItem(0, Different, AucuneValeur);
    if (valeur && different) liste->removeItem(0);
    liste->setCurrentIndex(liste->findData(valeur.value_or(AucuneValeur)));
}

void DialogueAmenagements::afficheCoche(QCheckBox* coche, std::optional<int> valeur) {
    coche->setTristate(!valeur);
    coche->setCheckState(!valeur ? Qt::PartiallyChecked : *valeur ? Qt::Checked : Qt::Unchecked);
}

void DialogueAmenagements::afficheRemarques(const QStringList& avis) {
    QStringList montres = avis.mid(0, RemarquesMax);
    if (avis.size() > RemarquesMax) montres << QStringLiteral("… et %1 autres remarques.").arg(avis.size() - RemarquesMax);
    Remarques->setText(montres.join(QLatin1Char('\n')));
    Remarques->setVisible(!avis.isEmpty());
}

void DialogueAmenagements::affichePoliceAbsente() {
    const auto police = static_cast<Amenagements::Police>(Police->currentData().toInt());
    const QString famille = Amenagements::nomDeFamille(police);
    const bool absente = Police->currentData().toInt() != AucuneValeur && !famille.isEmpty() && !installee_(famille);
    PoliceAbsente->setText(absente ? QStringLiteral("La police %1 n'est pas installée sur cet ordinateur (paquet « %2 ») : "
                                                    "les textes des élèves ne pourront pas s'afficher avec elle.")
                                         .arg(famille, paquet(police))
                                   : QString());
    PoliceAbsente->setVisible(absente);
}

void DialogueAmenagements::OKClick() {
    const QStringList coches = elevesCoches();
    if (!coches.isEmpty() && !changements_.vide()) {
        const QStringList echecs = FichierAmenagements::modifie(repertoireClasse_, enseignant_, coches, changements_);
        if (!echecs.isEmpty()) {
            // The panel stays open: "OK" again writes what could not be written.
            QString texte = echecs.join(QLatin1Char('\n'));
            if (echecs.size() < coches.size()) texte += QStringLiteral("\nLes autres fichiers ont bien été écrits.");
            Messages::erreur(texte);
            return;
        }
    }
    accept();
}
