// The settings screen's controls, in design coordinates on 1024 × 768. A teacher's screen: the
// program's green, navy text and yellow buttons, with calm pale panels so the many controls stay
// readable.
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Polices.h"
#include "logique/parametres/EntreesTables.h"
#include "ecrans/commun/StyleProportionne.h"
#include "ecrans/parametres/TParametrage.h"

#include <QButtonGroup>
#include <QEvent>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyledItemDelegate>

namespace {
const QString Comic = QStringLiteral("Comic Sans MS");

const QColor Marine(0x12, 0x35, 0x5b);

// A calm pale panel with rounded corners and the program's navy outline.
class PanneauClair final : public Panneau {
public:
    PanneauClair(QWidget* parent, const QString& nom) : Panneau(parent, nom) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Marine, 3));
        p.setBrush(QColor(0xf3, 0xff, 0xf7));
        p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 14, 14);
    }
};

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
    auto* b = nomme(new QRadioButton(texte, parent), nom, r);
    StyleProportionne::applique(b);
    return b;
}

QCheckBox* coche(QWidget* parent, const QString& nom, const QString& texte, const QRect& r) {
    auto* b = nomme(new QCheckBox(texte, parent), nom, r);
    StyleProportionne::applique(b);
    return b;
}

// The guidance line: navy text on the pale yellow of a note, in a rounded frame.
class LigneGuidage final : public QLabel {
public:
    explicit LigneGuidage(QWidget* parent) : QLabel(parent) {
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Marine, 2));
            p.setBrush(QColor(0xff, 0xf6, 0xc8));
            const qreal rayon = height() / 4.0;
            p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), rayon, rayon);
        }
        QLabel::paintEvent(e);
    }
    void changeEvent(QEvent* e) override {
        // The text keeps clear of the frame at any fitted size.
        if (e->type() == QEvent::FontChange) {
            const int marge = fontMetrics().height() / 2;
            setContentsMargins(marge, 0, marge / 2, 0);
        }
        QLabel::changeEvent(e);
    }
};

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
    StyleProportionne::applique(l);
    return l;
}

// Rows as wide as the list, their text wrapped to that width (the view alone makes them a few
// pixels wider, which cuts the end of the longest lines).
class DelegueReplie final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto* vue = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!vue) return QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem o(option);
        o.rect.setWidth(vue->viewport()->width());
        QSize taille = QStyledItemDelegate::sizeHint(o, index);
        taille.setWidth(std::min(taille.width(), o.rect.width()));
        return taille;
    }
};

// A list whose long entries wrap onto further lines instead of running out of sight.
QListWidget* listeRepliee(QWidget* parent, const QString& nom, const QRect& r) {
    auto* l = liste(parent, nom, r);
    l->setWordWrap(true);
    l->setTextElideMode(Qt::ElideNone);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setResizeMode(QListView::Adjust);
    l->setUniformItemSizes(false);
    l->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    l->setItemDelegate(new DelegueReplie(l));
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
    setFont(Polices::police(Comic, 16));
    // Palette only: a style sheet would stop the children from following the screen's fitted font.
    QPalette couleurs = palette();
    couleurs.setColor(QPalette::WindowText, Marine);
    couleurs.setColor(QPalette::ButtonText, Marine);
    couleurs.setColor(QPalette::Button, QColor(0xff, 0xd2, 0x3f));
    couleurs.setColor(QPalette::Highlight, QColor(0x16, 0x73, 0xa3));
    couleurs.setColor(QPalette::HighlightedText, Qt::white);
    couleurs.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8a, 0x9a, 0xa8));
    couleurs.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8a, 0x9a, 0xa8));
    // What the guidance has not opened yet is plainly grey, buttons included.
    couleurs.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8a, 0x9a, 0xa8));
    couleurs.setColor(QPalette::Disabled, QPalette::Button, QColor(0xe4, 0xe8, 0xeb));
    couleurs.setColor(QPalette::Disabled, QPalette::Base, QColor(0xee, 0xf1, 0xf3));
    setPalette(couleurs);

    creePanneauHaut(new PanneauClair(this, QStringLiteral("PanneauHaut")));
    creePanneauBas(new PanneauClair(this, QStringLiteral("PanneauBas")));
}

void TParametrage::creePanneauHaut(QWidget* haut) {
    haut->setGeometry(6, 4, 1012, 474);

    Type_GroupBox = groupe(haut, QStringLiteral("Type_GroupBox"), QStringLiteral("Type d'exercice"), QRect(8, 4, 270, 150));
    const QStringList types{QStringLiteral("Donner le résultat"),
                            QStringLiteral("Opération à trous"),
                            QStringLiteral("Trouver l'intrus"),
                            QStringLiteral("Opération même résultat"),
                            QStringLiteral("Révision des faits à revoir"),
                            QStringLiteral("Test de départ")};
    QList<QRadioButton*> radiosTypes;
    for (int i = 0; i < types.size(); ++i)
        radiosTypes << radio(Type_GroupBox, QStringLiteral("Type%1").arg(i + 1), types[i], QRect(12, 22 + 21 * i, 250, 20));
    ListeExercices = groupeRadios(this, radiosTypes);
    ListeExercices->setObjectName(QStringLiteral("ListeExercices"));

    Option_GroupBox2 = groupe(haut, QStringLiteral("Option_GroupBox2"), QStringLiteral("Options"), QRect(8, 158, 270, 106));
    Option0 = coche(Option_GroupBox2, QStringLiteral("Option0"), QStringLiteral("Tables dans l'ordre"), QRect(12, 22, 254, 24));
    Option1 = coche(Option_GroupBox2, QStringLiteral("Option1"), QStringLiteral("Plus grand opérande à gauche"),
                    QRect(12, 48, 254, 24));
    Option2 = coche(Option_GroupBox2, QStringLiteral("Option2"), QStringLiteral("Autoriser les nombres relatifs"),
                    QRect(12, 74, 254, 24));
    Option1->setToolTip(QStringLiteral("Le plus grand des deux opérandes sera mis dans l'opérande gauche."));
    Option2->setToolTip(QStringLiteral("Cette option autorise les résultats négatifs."));

    Table_GroupBox = groupe(haut, QStringLiteral("Table_GroupBox"), QStringLiteral("Tables"), QRect(284, 4, 720, 260));
    const QStringList operations{QStringLiteral("Addition"), QStringLiteral("Soustraction"), QStringLiteral("Multiplication"),
                                 QStringLiteral("Division")};
    QList<QRadioButton*> radiosOperations;
    for (int i = 0; i < 4; ++i)
        radiosOperations << radio(Table_GroupBox, QStringLiteral("Operation%1").arg(i), operations[i],
                                  QRect(12 + 120 * i, 24, 118, 24));
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
    TableIntervalle = radio(Table_GroupBox, QStringLiteral("TableIntervalle"), QStringLiteral("Table de"),
                            QRect(12, 194, 94, 24));
    NumTable_Edit = saisie(Table_GroupBox, QStringLiteral("NumTable_Edit"), QRect(108, 192, 52, 28));
    libellesIntervalle << etiquette(Table_GroupBox, QStringLiteral("Intervalle_Label1"), QStringLiteral("sur l'intervalle ["),
                                    QRect(164, 194, 128, 24));
    Table_Edit1 = saisie(Table_GroupBox, QStringLiteral("Table_Edit1"), QRect(292, 192, 52, 28));
    libellesIntervalle << etiquette(Table_GroupBox, QStringLiteral("Intervalle_Label2"), QStringLiteral(".."),
                                    QRect(347, 194, 16, 24));
    Table_Edit2 = saisie(Table_GroupBox, QStringLiteral("Table_Edit2"), QRect(364, 192, 52, 28));
    libellesIntervalle << etiquette(Table_GroupBox, QStringLiteral("Intervalle_Label3"), QStringLiteral("]"),
                                    QRect(419, 194, 12, 24));
    Complement = radio(Table_GroupBox, QStringLiteral("Complement"), QStringLiteral("Complément à "), QRect(12, 226, 134, 24));
    Complement_Edit = saisie(Table_GroupBox, QStringLiteral("Complement_Edit"), QRect(150, 224, 64, 28));
    ModeTable = groupeRadios(this, {TablePrecise, TableIntervalle, Complement});
    Ajouter_Button1 = bouton(Table_GroupBox, QStringLiteral("Ajouter_Button1"), QStringLiteral(">>"), QRect(436, 112, 56, 48));
    Ajouter_Button1->setToolTip(QStringLiteral("Ajouter les tables choisies à la liste des tables de l'exercice."));
    ListeTable2 = liste(Table_GroupBox, QStringLiteral("ListeTable2"), QRect(502, 24, 206, 198));
    CocheDecoche2 = coche(Table_GroupBox, QStringLiteral("CocheDecoche2"), QStringLiteral("Tout cocher/décocher"),
                          QRect(502, 228, 206, 24));

    Temps_GroupBox = groupe(haut, QStringLiteral("Temps_GroupBox"), QStringLiteral("Temps de réponse par question"),
                            QRect(8, 270, 478, 112));
    Temps_RadioButton1 = radio(Temps_GroupBox, QStringLiteral("Temps_RadioButton1"), QStringLiteral("Pas de temps"),
                               QRect(12, 22, 330, 26));
    Temps_RadioButton2 = radio(Temps_GroupBox, QStringLiteral("Temps_RadioButton2"),
                               QStringLiteral("Temps avant que le pirate ne vole la pièce"), QRect(12, 50, 332, 26));
    Temps_SpinEdit1 = spin(Temps_GroupBox, QStringLiteral("Temps_SpinEdit1"), QRect(346, 49, 58, 28), 1, 180, 10);
    Temps_Label1 = etiquette(Temps_GroupBox, QStringLiteral("Temps_Label1"), QStringLiteral("secondes"), QRect(408, 50, 66, 26));
    Temps_RadioButton3 = radio(Temps_GroupBox, QStringLiteral("Temps_RadioButton3"),
                               QStringLiteral("Temps avant que le requin n'éclate les bulles"), QRect(12, 78, 332, 26));
    Temps_SpinEdit2 = spin(Temps_GroupBox, QStringLiteral("Temps_SpinEdit2"), QRect(346, 77, 58, 28), 1, 180, 10);
    Temps_Label2 = etiquette(Temps_GroupBox, QStringLiteral("Temps_Label2"), QStringLiteral("secondes"), QRect(408, 78, 66, 26));
    groupeRadios(this, {Temps_RadioButton1, Temps_RadioButton2, Temps_RadioButton3});

    NbreQuestions = groupe(haut, QStringLiteral("NbreQuestions"), QStringLiteral("Nombre de questions par exercices"),
                           QRect(494, 270, 510, 54));
    NbreQuestion = spin(NbreQuestions, QStringLiteral("NbreQuestion"), QRect(12, 21, 70, 28), 1, 100, 10);

    Aide_RadioGroup = groupe(haut, QStringLiteral("Aide_RadioGroup"), QStringLiteral("Aide"), QRect(494, 328, 510, 96));
    Aide1 = radio(Aide_RadioGroup, QStringLiteral("Aide1"), QStringLiteral("Aide avec des dessins"), QRect(12, 20, 236, 24));
    Aide2 = radio(Aide_RadioGroup, QStringLiteral("Aide2"), QStringLiteral("Aide avec des constellations"),
                  QRect(252, 20, 250, 24));
    Aide3 = radio(Aide_RadioGroup, QStringLiteral("Aide3"), QStringLiteral("Aucune aide"), QRect(12, 46, 236, 24));
    groupeRadios(this, {Aide1, Aide2, Aide3});
    BandeNum = coche(Aide_RadioGroup, QStringLiteral("BandeNum"), QStringLiteral("Afficher la bande numérique de 0 à"),
                     QRect(12, 72, 276, 24));
    BandeNum_SpinEdit1 = spin(Aide_RadioGroup, QStringLiteral("BandeNum_SpinEdit1"), QRect(292, 70, 62, 26), 9, 99, 9, 10);

    Guidage_Ligne = new LigneGuidage(haut);
    Guidage_Ligne->setObjectName(QStringLiteral("Guidage_Ligne"));
    // Under the time, in the screen's own type: room for its longest step on three lines.
    Guidage_Ligne->setGeometry(8, 386, 478, 82);
    Guidage_Ligne->setFont(Polices::police(Comic, 16));
    Enregistrer = bouton(haut, QStringLiteral("Enregistrer"), QStringLiteral("Ajouter l'exercice paramétré à la liste"),
                         QRect(494, 428, 510, 40));
    Enregistrer->setToolTip(QStringLiteral("Enregistrer les paramètres de cet exercice."));
}

void TParametrage::creePanneauBas(QWidget* bas) {
    bas->setGeometry(6, 482, 1012, 282);

    // The defined exercises as wide as the groups beside them allow, so that a caption takes fewer lines.
    etiquette(bas, QStringLiteral("Sequence_Label"), QStringLiteral("Exercices définis"), QRect(12, 4, 356, 22));
    ListeSequence = listeRepliee(bas, QStringLiteral("ListeSequence"), QRect(10, 28, 360, 150));
    CocheDecoche3 = coche(bas, QStringLiteral("CocheDecoche3"), QStringLiteral("Tout cocher/décocher"), QRect(12, 182, 180, 22));
    creeReglagesSons(bas);

    OptionSequence = groupe(bas, QStringLiteral("OptionSequence"), QStringLiteral("Séquence finie"), QRect(378, 2, 302, 88));
    const QStringList fins{QStringLiteral("Faire la séquence en boucle"), QStringLiteral("Libre sur les exercices"),
                           QStringLiteral("Quitter le logiciel")};
    QList<QRadioButton*> radiosFins;
    for (int i = 0; i < 3; ++i)
        radiosFins << radio(OptionSequence, QStringLiteral("OptionSequence%1").arg(i), fins[i], QRect(10, 20 + 22 * i, 286, 22));
    CodesSequence = groupeRadios(this, radiosFins);

    Retroaction = groupe(bas, QStringLiteral("Retroaction"), QStringLiteral("Rétroaction"), QRect(378, 94, 302, 88));
    const QStringList retroactions{QStringLiteral("Mettre en évidence les points positifs"),
                                   QStringLiteral("Montrer tous les résultats"),
                                   QStringLiteral("Mettre en évidence les points négatifs")};
    QList<QRadioButton*> radiosRetro;
    for (int i = 0; i < 3; ++i)
        radiosRetro << radio(Retroaction, QStringLiteral("Retroaction%1").arg(i), retroactions[i],
                             QRect(10, 20 + 22 * i, 286, 22));
    CodesRetroaction = groupeRadios(this, radiosRetro);

    Profil_GroupBox1 = groupe(bas, QStringLiteral("Profil_GroupBox1"), QStringLiteral("Enregistrer les profils d'élèves"),
                              QRect(378, 186, 302, 90));
    Profil_GroupBox1->setToolTip(QStringLiteral("Si vous voulez générer le profil de l'élève, spécifiez son format."));
    Profil_Texte = coche(Profil_GroupBox1, QStringLiteral("Profil_Texte"), QStringLiteral("sous forme de fichier texte"),
                         QRect(10, 20, 286, 22));
    Profil_Tableur = coche(Profil_GroupBox1, QStringLiteral("Profil_Tableur"),
                           QStringLiteral("sous forme de fichier tableur (.xlsx)"), QRect(10, 42, 286, 22));
    Profil_BaseDonnees = coche(Profil_GroupBox1, QStringLiteral("Profil_BaseDonnees"),
                               QStringLiteral("sous forme de base de données"), QRect(10, 64, 286, 22));

    Associe = bouton(bas, QStringLiteral("Associe"), QStringLiteral(">>"), QRect(686, 90, 48, 48));
    Associe->setToolTip(QStringLiteral("Associer les élèves sélectionnés aux exercices sélectionnés."));

    etiquette(bas, QStringLiteral("Eleve_Label"), QStringLiteral("Liste des élèves"), QRect(742, 4, 262, 22));
    Eleve = listeRepliee(bas, QStringLiteral("Eleve"), QRect(740, 28, 264, 118));
    CocheDecoche4 = coche(bas, QStringLiteral("CocheDecoche4"), QStringLiteral("Tout cocher/décocher"), QRect(742, 150, 250, 24));
    // The pupils' adjustments under their list, the list a little shorter for it.
    AmenagementsEleves = bouton(bas, QStringLiteral("AmenagementsEleves"), QStringLiteral("Aménagements des élèves…"),
                                QRect(740, 178, 264, 42));
    AmenagementsEleves->setToolTip(QStringLiteral("Adapter pour un ou plusieurs élèves le temps, la police, la taille du texte, "
                                                  "le contraste, la voix et le nombre de questions."));

    Initialisation = bouton(bas, QStringLiteral("Initialisation"), QStringLiteral("Initialisation"), QRect(10, 234, 110, 42));
    EnregistrerQuitter = bouton(bas, QStringLiteral("EnregistrerQuitter"), QStringLiteral("Enregistrer et quitter"),
                                QRect(740, 228, 180, 44));
    Annuler = bouton(bas, QStringLiteral("Annuler"), QStringLiteral("Annuler"), QRect(926, 228, 78, 44));
}
