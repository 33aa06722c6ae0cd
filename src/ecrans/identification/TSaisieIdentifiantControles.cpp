// The identification screen's controls, in design coordinates on 1024 × 768. Each half is a
// rounded panel; lists and buttons are at least 44 design pixels high for a child's mouse.
#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/AnneauClavier.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/SourisSeulement.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/BoutonRond.h"
#include "ecrans/identification/Delegues.h"
#include "logique/identification/NomsRegistre.h"
#include "ecrans/commun/PanneauArrondi.h"
#include "ecrans/commun/StyleProportionne.h"
#include "ecrans/identification/TSaisieIdentifiant.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
using Apparence::Marine;

// Controls other than labels take their parent's font, so they follow the fitted font.
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QRect& r, int pixels = 22,
                  Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->setFont(Apparence::comic(pixels, true));
    l->setAlignment(alignement);
    l->setGeometry(r);
    return l;
}

const QColor Jaune(0xff, 0xd2, 0x3f);

BoutonRond* bouton(QWidget* parent, const QString& nom, const QString& texte, const QRect& r, const QColor& fond = Jaune,
                   const QColor& encre = Marine) {
    auto* b = new BoutonRond(parent, nom, texte, fond, encre);
    b->setGeometry(r);
    return b;
}

QListWidget* liste(QWidget* parent, const QString& nom, const QRect& r) {
    auto* l = new QListWidget(parent);
    l->setObjectName(nom);
    l->setGeometry(r);
    l->setItemDelegate(new DelegueLigneHaute(l));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    // Whole rows only: a long name gives up its last words (shown whole on hover), not a row's
    // height to a horizontal bar.
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setTextElideMode(Qt::ElideRight);
    StyleProportionne::elargitBarres(l);
    return l;
}

QComboBox* deroulante(QWidget* parent, const QString& nom, const QRect& r) {
    auto* c = new QComboBox(parent);
    c->setObjectName(nom);
    c->setGeometry(r);
    c->setItemDelegate(new DelegueLigneHaute(c));
    c->setMaxVisibleItems(8);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    StyleProportionne::elargitDeroulante(c);
    return c;
}

QLineEdit* saisie(QWidget* parent, const QString& nom, const QRect& r) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setGeometry(r);
    return e;
}

void decor(QWidget* parent, const QString& nom, const QString& dessin, const QRect& r) {
    Image* i = Fabrique::image(parent, nom, dessin, r.x(), r.y(), r.width(), r.height());
    i->setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace

void TSaisieIdentifiant::creeControles() {
    setFont(Apparence::comic(22));
    Apparence::colore(this, QPalette::Highlight, QColor(0x16, 0x73, 0xa3));
    Apparence::colore(this, QPalette::HighlightedText, Qt::white);
    // Greyed captions stay readable on the bright panels.
    QPalette couleurs = palette();
    couleurs.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x5c, 0x5c, 0x5c));
    setPalette(couleurs);

    auto* titre = etiquette(this, QStringLiteral("Titre"), QStringLiteral("Marivelle"), QRect(282, 4, 460, 84), 64,
                            Qt::AlignCenter);
    Apparence::colore(titre, QPalette::WindowText, Marine);
    decor(this, QStringLiteral("Poisson"), QStringLiteral("poisson"), QRect(180, 14, 96, 70));
    decor(this, QStringLiteral("Bulle"), QStringLiteral("bulle"), QRect(150, 10, 24, 24));
    decor(this, QStringLiteral("Bulle2"), QStringLiteral("bulle"), QRect(132, 40, 16, 16));
    decor(this, QStringLiteral("Bulle3"), QStringLiteral("bulle"), QRect(756, 16, 32, 32));
    decor(this, QStringLiteral("Bulle4"), QStringLiteral("bulle"), QRect(794, 50, 20, 20));
    // The bottom row keeps clear of the display's edge at every size.
    decor(this, QStringLiteral("Crabe"), QStringLiteral("crabe"), QRect(30, 704, 76, 49));
    decor(this, QStringLiteral("Requin"), QStringLiteral("requin"), QRect(420, 702, 80, 54));

    // Teacher's half.
    auto* gauche = new PanneauArrondi(this, QStringLiteral("PanneauEnseignant"), QColor(0, 255, 128));
    gauche->setGeometry(16, 92, 488, 608);
    etiquette(gauche, QStringLiteral("titre_param"), QStringLiteral("Paramétrages du logiciel"), QRect(0, 10, 488, 44), 30,
              Qt::AlignCenter);
    etiquette(gauche, QStringLiteral("classe_de_param"), QStringLiteral("Classe de "), QRect(24, 58, 120, 32));
    // While no teacher is registered, where to begin: the first entry of the list below.
    PremierPas = etiquette(gauche, QStringLiteral("PremierPas"), QStringLiteral("Commencez par inscrire un enseignant ↓"),
                           QRect(148, 58, 320, 32), 17, Qt::AlignRight | Qt::AlignVCenter);
    Apparence::colore(PremierPas, QPalette::WindowText, QColor(0xb0, 0x30, 0x00));
    PremierPas->hide();
    lb_nom_ens_param = liste(gauche, QStringLiteral("lb_nom_ens_param"), QRect(24, 92, 444, 142));
    Parametre = bouton(gauche, QStringLiteral("Parametre"), QStringLiteral("Paramétrer"), QRect(268, 242, 200, 48));
    Suivi = bouton(gauche, QStringLiteral("Suivi"), QStringLiteral("Suivi des élèves"), QRect(24, 242, 236, 48));
    // The class lists of the teacher chosen above, in smaller type: the teacher's tools, not a child's.
    auto* importer = bouton(gauche, QStringLiteral("Importer"), QStringLiteral("Importer une liste d'élèves"),
                            QRect(24, 296, 264, 44), QColor(0xb8, 0xe6, 0xff));
    auto* exporter = bouton(gauche, QStringLiteral("Exporter"), QStringLiteral("Exporter la liste"), QRect(296, 296, 172, 44),
                            QColor(0xb8, 0xe6, 0xff));
    for (BoutonRond* b : {importer, exporter}) b->setEchelleTexte(0.8);
    Importer = importer;
    Exporter = exporter;
    nom_ens_param = etiquette(gauche, QStringLiteral("nom_ens_param"), QStringLiteral("Nom de l'enseignant"),
                              QRect(24, 346, 440, 30));
    nom_ens = saisie(gauche, QStringLiteral("nom_ens"), QRect(24, 376, 444, 44));
    classe_param = etiquette(gauche, QStringLiteral("classe_param"), QStringLiteral("Classe enseignée"), QRect(24, 424, 440, 30));
    CheckListBox1 = liste(gauche, QStringLiteral("CheckListBox1"), QRect(24, 454, 444, 86));
    CheckListBox1->setItemDelegate(new DelegueCaseACocher(CheckListBox1));
    CheckListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    CheckListBox1->setFlow(QListView::LeftToRight);
    CheckListBox1->setWrapping(true);
    CheckListBox1->setResizeMode(QListView::Adjust);
    CheckListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CheckListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const QString& niveau : Registre::Niveaux) {
        auto* item = new QListWidgetItem(niveau, CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    enregistrer_ens = bouton(gauche, QStringLiteral("enregistrer_ens"), QStringLiteral("Enregistrer"), QRect(288, 546, 180, 44));

    // Pupil's half.
    auto* droite = new PanneauArrondi(this, QStringLiteral("PanneauEleve"), Apparence::Mer);
    // Most of the pupils' half goes to their list; registering a pupil takes three rows under it.
    droite->setGeometry(520, 92, 488, 608);
    etiquette(droite, QStringLiteral("titre_jeux"), QStringLiteral("Accès aux jeux"), QRect(0, 6, 488, 40), 30, Qt::AlignCenter);
    etiquette(droite, QStringLiteral("classe_de_con"), QStringLiteral("Classe de"), QRect(24, 48, 150, 44));
    cb_nom_ens = deroulante(droite, QStringLiteral("cb_nom_ens"), QRect(184, 48, 284, 44));
    nom_eleve_con = etiquette(droite, QStringLiteral("nom_eleve_con"), QStringLiteral("Nom de l'élève"), QRect(24, 94, 300, 28));
    lb_nom_eleve = liste(droite, QStringLiteral("lb_nom_eleve"), QRect(24, 124, 444, 268));
    auto* jouer = bouton(droite, QStringLiteral("Jouer"), QStringLiteral("Jouer"), QRect(154, 396, 180, 48), Apparence::Algue,
                         Qt::white);
    jouer->setEchelleTexte(1.4);
    Jouer = jouer;
    auto* trait = new QFrame(droite);
    trait->setObjectName(QStringLiteral("SeparationInscription"));
    trait->setFrameShape(QFrame::HLine);
    trait->setGeometry(24, 450, 444, 4);
    classe_de_ins = etiquette(droite, QStringLiteral("classe_de_ins"), QStringLiteral("Classe de"), QRect(24, 458, 156, 44));
    cb_mon_ens_ins = deroulante(droite, QStringLiteral("cb_mon_ens_ins"), QRect(184, 458, 284, 44));
    nom_eleve_ins = etiquette(droite, QStringLiteral("nom_eleve_ins"), QStringLiteral("Nom de l'élève"), QRect(24, 506, 156, 44));
    nom_eleve = saisie(droite, QStringLiteral("nom_eleve"), QRect(184, 506, 284, 44));
    classe_ins = etiquette(droite, QStringLiteral("classe_ins"), QStringLiteral("En classe de"), QRect(24, 554, 156, 44));
    cb_eleve_classe = deroulante(droite, QStringLiteral("cb_eleve_classe"), QRect(184, 554, 128, 44));
    enregistrer_eleve = bouton(droite, QStringLiteral("enregistrer_eleve"), QStringLiteral("Enregistrer"),
                               QRect(320, 554, 148, 44));

    Quitter = bouton(this, QStringLiteral("Quitter"), QStringLiteral("Quitter le logiciel"), QRect(776, 706, 232, 46),
                     Apparence::Corail, Qt::white);
    // Only a deliberate click ends the program: never the keyboard's focus and a stray space bar.
    SourisSeulement::applique(Quitter);
    // The keyboard's ring on the lists, the drop-down lists and the fields (the buttons draw theirs).
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QListWidget*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
            AnneauClavier::pose(w, 0.08);
    nommeControles();
}

// What a screen reader says of the lists, drop-downs and fields (the buttons say their text).
void TSaisieIdentifiant::nommeControles() {
    Accessibilite::nommeTous(this, {{"lb_nom_ens_param", "Enseignants", "Choisir l'enseignant dont on règle les jeux."},
                                    {"nom_ens", "Nom de l'enseignant à inscrire"},
                                    {"CheckListBox1", "Classes enseignées", "Cocher les classes de l'enseignant à inscrire."},
                                    {"cb_nom_ens", "Classe de", "Choisir l'enseignant de sa classe."},
                                    {"lb_nom_eleve", "Nom de l'élève", "Choisir son nom, puis Jouer."},
                                    {"cb_mon_ens_ins", "Classe de l'élève à inscrire", "Choisir l'enseignant de sa classe."},
                                    {"nom_eleve", "Nom de l'élève à inscrire"},
                                    {"cb_eleve_classe", "En classe de", "Le niveau de l'élève à inscrire."}});
}
