// The settings screen's controls, in design coordinates on 1024 × 768. A teacher's screen: the
// program's green, navy text and yellow buttons, with calm pale panels so the many controls stay
// readable.
#include "core/platform/Controles.h"
#include "core/platform/Polices.h"
#include "settings/EntreesTables.h"
#include "settings/TParametrage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {
const QString Comic = QStringLiteral("Comic Sans MS");

const QString Style = QStringLiteral(
    "QFrame#PanneauHaut, QFrame#PanneauBas { background: #f3fff7; border: 3px solid #12355b; border-radius: 14px; }"
    "QGroupBox { font-weight: bold; color: #12355b; border: 2px solid #5ec8e5; border-radius: 8px; margin-top: 9px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
    "QGroupBox:disabled { color: #8a9aa8; border-color: #c9d3da; }"
    "QPushButton { background: #ffd23f; color: #12355b; font-weight: bold; border: 2px solid #12355b;"
    " border-radius: 10px; }"
    "QPushButton:hover { background: #ffe27a; }"
    "QPushButton:pressed { background: #ff8c1a; }"
    "QPushButton:disabled { background: #eeeeee; color: #9a9a9a; border-color: #c0c0c0; }");

template <typename T>
T* nomme(T* w, const QString& nom, const QRect& r) {
    w->setObjectName(nom);
    w->setGeometry(r);
    return w;
}

QGroupBox* groupe(QWidget* parent, const QString& nom, const QString& titre, const QRect& r) {
    return nomme(new QGroupBox(titre, parent), nom, r);
}

QRadioButton* radio(QWidget* parent, const QString& nom, const QString& texte, const QRect& r) {
    return nomme(new QRadioButton(texte, parent), nom, r);
}

QCheckBox* coche(QWidget* parent, const QString& nom, const QString& texte, const QRect& r) {
    return nomme(new QCheckBox(texte, parent), nom, r);
}

// Labels inherit the screen's font, so they follow its fitted size like the rest.
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QRect& r) {
    return nomme(new QLabel(texte, parent), nom, r);
}

QLineEdit* saisie(QWidget* parent, const QString& nom, const QRect& r) { return nomme(new QLineEdit(parent), nom, r); }

QSpinBox* spin(QWidget* parent, const QString& nom, const QRect& r, int min, int max, int valeur, int pas = 1) {
    auto* s = nomme(new QSpinBox(parent), nom, r);
    s->setRange(min, max);
    s->setSingleStep(pas);
    s->setValue(valeur);
    return s;
}

QListWidget* liste(QWidget* parent, const QString& nom, const QRect& r) {
    auto* l = nomme(new QListWidget(parent), nom, r);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

QPushButton* bouton(QWidget* parent, const QString& nom, const QString& texte, const QRect& r) {
    auto* b = nomme(new QPushButton(texte, parent), nom, r);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QButtonGroup* groupeRadios(QObject* parent, const QList<QRadioButton*>& radios) {
    auto* g = new QButtonGroup(parent);
    for (int i = 0; i < radios.size(); ++i) g->addButton(radios[i], i);
    return g;
}
}  // namespace

void TParametrage::creeControles() {
    setFont(Polices::police(Comic, 14));
    setStyleSheet(Style);
    QPalette couleurs = palette();
    couleurs.setColor(QPalette::WindowText, QColor(0x12, 0x35, 0x5b));
    couleurs.setColor(QPalette::Highlight, QColor(0x16, 0x73, 0xa3));
    couleurs.setColor(QPalette::HighlightedText, Qt::white);
    couleurs.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8a, 0x9a, 0xa8));
    couleurs.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8a, 0x9a, 0xa8));
    setPalette(couleurs);

    creePanneauHaut(new Panneau(this, QStringLiteral("PanneauHaut")));
    creePanneauBas(new Panneau(this, QStringLiteral("PanneauBas")));
}

void TParametrage::creePanneauHaut(QWidget* haut) {
    haut->setGeometry(6, 4, 1012, 446);

    Type_GroupBox = groupe(haut, QStringLiteral("Type_GroupBox"), QStringLiteral("Type d'exercice"), QRect(8, 4, 232, 130));
    const QStringList types{QStringLiteral("Donner le résultat"), QStringLiteral("Opération à trous"),
                            QStringLiteral("Trouver l'intrus"), QStringLiteral("Opération même résultat")};
    QList<QRadioButton*> radiosTypes;
    for (int i = 0; i < 4; ++i)
        radiosTypes << radio(Type_GroupBox, QStringLiteral("Type%1").arg(i + 1), types[i], QRect(12, 24 + 25 * i, 214, 24));
    ListeExercices = groupeRadios(this, radiosTypes);
    ListeExercices->setObjectName(QStringLiteral("ListeExercices"));

    Option_GroupBox2 = groupe(haut, QStringLiteral("Option_GroupBox2"), QStringLiteral("Options"), QRect(8, 140, 232, 124));
    Option0 = coche(Option_GroupBox2, QStringLiteral("Option0"), QStringLiteral("Tables dans l'ordre"), QRect(12, 26, 214, 26));
    Option1 = coche(Option_GroupBox2, QStringLiteral("Option1"), QStringLiteral("Plus grand opérande à gauche"),
                    QRect(12, 56, 214, 26));
    Option2 = coche(Option_GroupBox2, QStringLiteral("Option2"), QStringLiteral("Autoriser les nombres relatifs"),
                    QRect(12, 86, 214, 26));
    Option1->setToolTip(QStringLiteral("Le plus grand des deux opérandes sera mis dans l'opérande gauche."));
    Option2->setToolTip(QStringLiteral("Cette option autorise les résultats négatifs."));

    Table_GroupBox = groupe(haut, QStringLiteral("Table_GroupBox"), QStringLiteral("Tables"), QRect(248, 4, 756, 260));
    const QStringList operations{QStringLiteral("Addition"), QStringLiteral("Soustraction"),
                                 QStringLiteral("Multiplication"), QStringLiteral("Division")};
    QList<QRadioButton*> radiosOperations;
    for (int i = 0; i < 4; ++i)
        radiosOperations << radio(Table_GroupBox, QStringLiteral("Operation%1").arg(i), operations[i],
                                  QRect(12 + 122 * i, 24, 120, 24));
    Operations = groupeRadios(this, radiosOperations);
    Operations->setObjectName(QStringLiteral("Operations"));
    Enonce3 = etiquette(Table_GroupBox, QStringLiteral("Enonce3"), QStringLiteral("Spécifier l'intervalle des tables"),
                        QRect(12, 54, 420, 22));
    TablePrecise = radio(Table_GroupBox, QStringLiteral("TablePrecise"), QStringLiteral("Tables sur l'intervalle [1..10]"),
                         QRect(12, 78, 330, 24));
    ListeTable1 = liste(Table_GroupBox, QStringLiteral("ListeTable1"), QRect(34, 104, 300, 58));
    ListeTable1->setFlow(QListView::LeftToRight);
    ListeTable1->setWrapping(true);
    ListeTable1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListeTable1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int n = 1; n <= 10; ++n) {
        auto* item = new QListWidgetItem(QString::number(n), ListeTable1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    CocheDecoche1 = coche(Table_GroupBox, QStringLiteral("CocheDecoche1"), QStringLiteral("Tout cocher/décocher"),
                          QRect(34, 164, 220, 24));
    TableIntervalle = radio(Table_GroupBox, QStringLiteral("TableIntervalle"), QStringLiteral("Table de"), QRect(12, 194, 96, 24));
    NumTable_Edit = saisie(Table_GroupBox, QStringLiteral("NumTable_Edit"), QRect(110, 192, 56, 28));
    libellesIntervalle << etiquette(Table_GroupBox, QStringLiteral("Intervalle_Label1"), QStringLiteral("sur l'intervalle ["),
                                    QRect(172, 194, 128, 24));
    Table_Edit1 = saisie(Table_GroupBox, QStringLiteral("Table_Edit1"), QRect(302, 192, 56, 28));
    libellesIntervalle << etiquette(Table_GroupBox, QStringLiteral("Intervalle_Label2"), QStringLiteral(".."),
                                    QRect(362, 194, 16, 24));
    Table_Edit2 = saisie(Table_GroupBox, QStringLiteral("Table_Edit2"), QRect(380, 192, 56, 28));
    libellesIntervalle << etiquette(Table_GroupBox, QStringLiteral("Intervalle_Label3"), QStringLiteral("]"),
                                    QRect(440, 194, 12, 24));
    Complement = radio(Table_GroupBox, QStringLiteral("Complement"), QStringLiteral("Complément à "), QRect(12, 226, 130, 24));
    Complement_Edit = saisie(Table_GroupBox, QStringLiteral("Complement_Edit"), QRect(146, 224, 64, 28));
    ModeTable = groupeRadios(this, {TablePrecise, TableIntervalle, Complement});
    Ajouter_Button1 = bouton(Table_GroupBox, QStringLiteral("Ajouter_Button1"), QStringLiteral(">>"), QRect(462, 112, 60, 48));
    Ajouter_Button1->setToolTip(QStringLiteral("Ajouter les tables choisies à la liste des tables de l'exercice."));
    ListeTable2 = liste(Table_GroupBox, QStringLiteral("ListeTable2"), QRect(534, 24, 210, 198));
    CocheDecoche2 = coche(Table_GroupBox, QStringLiteral("CocheDecoche2"), QStringLiteral("Tout cocher/décocher"),
                          QRect(534, 228, 210, 24));

    Temps_GroupBox = groupe(haut, QStringLiteral("Temps_GroupBox"), QStringLiteral("Temps de réponse par question"),
                            QRect(8, 270, 478, 128));
    Temps_RadioButton1 = radio(Temps_GroupBox, QStringLiteral("Temps_RadioButton1"), QStringLiteral("Pas de temps"),
                               QRect(12, 26, 330, 26));
    Temps_RadioButton2 = radio(Temps_GroupBox, QStringLiteral("Temps_RadioButton2"),
                               QStringLiteral("Temps avant que le pirate ne vole la pièce"), QRect(12, 56, 332, 26));
    Temps_SpinEdit1 = spin(Temps_GroupBox, QStringLiteral("Temps_SpinEdit1"), QRect(346, 55, 58, 28), 1, 180, 10);
    Temps_Label1 = etiquette(Temps_GroupBox, QStringLiteral("Temps_Label1"), QStringLiteral("secondes"), QRect(408, 56, 66, 26));
    Temps_RadioButton3 = radio(Temps_GroupBox, QStringLiteral("Temps_RadioButton3"),
                               QStringLiteral("Temps avant que le requin n'éclate les bulles"), QRect(12, 88, 332, 26));
    Temps_SpinEdit2 = spin(Temps_GroupBox, QStringLiteral("Temps_SpinEdit2"), QRect(346, 87, 58, 28), 1, 180, 10);
    Temps_Label2 = etiquette(Temps_GroupBox, QStringLiteral("Temps_Label2"), QStringLiteral("secondes"), QRect(408, 88, 66, 26));
    groupeRadios(this, {Temps_RadioButton1, Temps_RadioButton2, Temps_RadioButton3});

    NbreQuestions = groupe(haut, QStringLiteral("NbreQuestions"), QStringLiteral("Nombre de questions par exercices"),
                           QRect(494, 270, 510, 56));
    NbreQuestion = spin(NbreQuestions, QStringLiteral("NbreQuestion"), QRect(12, 22, 70, 28), 1, 100, 10);

    Aide_RadioGroup = groupe(haut, QStringLiteral("Aide_RadioGroup"), QStringLiteral("Aide"), QRect(494, 330, 510, 68));
    Aide1 = radio(Aide_RadioGroup, QStringLiteral("Aide1"), QStringLiteral("Aide avec des dessins"), QRect(12, 18, 172, 24));
    Aide2 = radio(Aide_RadioGroup, QStringLiteral("Aide2"), QStringLiteral("Aide avec des constellations"),
                  QRect(186, 18, 216, 24));
    Aide3 = radio(Aide_RadioGroup, QStringLiteral("Aide3"), QStringLiteral("Aucune aide"), QRect(404, 18, 102, 24));
    groupeRadios(this, {Aide1, Aide2, Aide3});
    BandeNum = coche(Aide_RadioGroup, QStringLiteral("BandeNum"), QStringLiteral("Afficher la bande numérique de 0 à"),
                     QRect(12, 42, 262, 24));
    BandeNum_SpinEdit1 = spin(Aide_RadioGroup, QStringLiteral("BandeNum_SpinEdit1"), QRect(276, 41, 58, 25), 9, 99, 9, 10);

    Enregistrer = bouton(haut, QStringLiteral("Enregistrer"), QStringLiteral("Ajouter l'exercice paramétré à la liste"),
                         QRect(8, 404, 996, 36));
    Enregistrer->setToolTip(QStringLiteral("Enregistrer les paramètres de cet exercice."));
}

void TParametrage::creePanneauBas(QWidget* bas) {
    bas->setGeometry(6, 454, 1012, 310);

    etiquette(bas, QStringLiteral("Sequence_Label"), QStringLiteral("Exercices définis"), QRect(12, 4, 360, 22));
    ListeSequence = liste(bas, QStringLiteral("ListeSequence"), QRect(10, 28, 370, 194));
    CocheDecoche3 = coche(bas, QStringLiteral("CocheDecoche3"), QStringLiteral("Tout cocher/décocher"), QRect(12, 226, 250, 24));

    OptionSequence = groupe(bas, QStringLiteral("OptionSequence"), QStringLiteral("Séquence finie"), QRect(388, 2, 262, 92));
    const QStringList fins{QStringLiteral("Faire la séquence en boucle"), QStringLiteral("Libre sur les exercices"),
                           QStringLiteral("Quitter le logiciel")};
    QList<QRadioButton*> radiosFins;
    for (int i = 0; i < 3; ++i)
        radiosFins << radio(OptionSequence, QStringLiteral("OptionSequence%1").arg(i), fins[i], QRect(10, 20 + 23 * i, 246, 22));
    CodesSequence = groupeRadios(this, radiosFins);

    Retroaction = groupe(bas, QStringLiteral("Retroaction"), QStringLiteral("Rétroaction"), QRect(388, 96, 262, 92));
    const QStringList retroactions{QStringLiteral("Mettre en évidence les points positifs"),
                                   QStringLiteral("Montrer tous les résultats"),
                                   QStringLiteral("Mettre en évidence les points négatifs")};
    QList<QRadioButton*> radiosRetro;
    for (int i = 0; i < 3; ++i)
        radiosRetro << radio(Retroaction, QStringLiteral("Retroaction%1").arg(i), retroactions[i], QRect(10, 20 + 23 * i, 248, 22));
    CodesRetroaction = groupeRadios(this, radiosRetro);

    Profil_GroupBox1 = groupe(bas, QStringLiteral("Profil_GroupBox1"), QStringLiteral("Enregistrer les profils d'élèves"),
                              QRect(388, 192, 262, 94));
    Profil_GroupBox1->setToolTip(QStringLiteral("Si vous voulez générer le profil de l'élève, spécifiez son format."));
    Profil_Texte = coche(Profil_GroupBox1, QStringLiteral("Profil_Texte"), QStringLiteral("sous forme de fichier texte"),
                         QRect(10, 20, 248, 22));
    Profil_Tableur = coche(Profil_GroupBox1, QStringLiteral("Profil_Tableur"),
                           QStringLiteral("sous forme de fichier tableur (.xlsx)"), QRect(10, 43, 248, 22));
    Profil_BaseDonnees = coche(Profil_GroupBox1, QStringLiteral("Profil_BaseDonnees"),
                               QStringLiteral("sous forme de base de données"), QRect(10, 66, 248, 22));

    Associe = bouton(bas, QStringLiteral("Associe"), QStringLiteral(">>"), QRect(656, 100, 52, 48));
    Associe->setToolTip(QStringLiteral("Associer les élèves sélectionnés aux exercices sélectionnés."));

    etiquette(bas, QStringLiteral("Eleve_Label"), QStringLiteral("Liste des élèves"), QRect(716, 4, 288, 22));
    Eleve = liste(bas, QStringLiteral("Eleve"), QRect(714, 28, 290, 194));
    CocheDecoche4 = coche(bas, QStringLiteral("CocheDecoche4"), QStringLiteral("Tout cocher/décocher"), QRect(716, 226, 250, 24));

    Initialisation = bouton(bas, QStringLiteral("Initialisation"), QStringLiteral("Initialisation"), QRect(10, 256, 180, 44));
    EnregistrerQuitter = bouton(bas, QStringLiteral("EnregistrerQuitter"), QStringLiteral("Enregistrer et quitter"),
                                QRect(714, 256, 200, 44));
    Annuler = bouton(bas, QStringLiteral("Annuler"), QStringLiteral("Annuler"), QRect(920, 256, 84, 44));
}
