// Creation of the exercise 1 screen: every component at its design place on 1024 × 768, then
// fitted to the display.
#include "exercises/TExo1.h"

#include "interface/Ajustement.h"
#include "interface/Controles.h"
#include "base/Garde.h"
#include "interface/Image.h"
#include "interface/Images.h"
#include "interface/Polices.h"
#include "state/SharedState.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <initializer_list>

namespace {
const QString Comic = QStringLiteral("Comic Sans MS");
const QString Arial = QStringLiteral("Arial");
const QColor Fond(153, 255, 255);
const QColor ChampReponse(200, 255, 255);
// What the fish says stands out in a speech bubble.
const QString StyleBulleParole = QStringLiteral(
    "QLabel { background-color: rgba(255, 255, 255, 230); border: 3px solid #12355b; border-radius: 14px; "
    "padding: 4px 10px; }");
// The fish's speech starts 30 pixels inside the fish that says it: its text starts past them.
const QString StylePerdu = QStringLiteral(
    "QLabel { background-color: rgba(255, 255, 255, 230); border: 3px solid #12355b; border-radius: 14px; "
    "padding: 4px 10px 4px 36px; }");

void colore(QWidget* w, QPalette::ColorRole role, const QColor& couleur) {
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

// A label of fixed size, or (largeur < 0) one that sizes itself to its text.
QLabel* etiquette(QWidget* parent, const QString& nom, const QFont& police, const QColor& couleur, int x, int y,
                  int largeur = -1, int hauteur = -1, Qt::Alignment alignement = Qt::AlignCenter) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setFont(police);
    l->setAlignment(alignement);
    colore(l, QPalette::WindowText, couleur);
    if (largeur < 0) {
        Marques::tailleAuTexte(l);
        l->move(x, y);
        l->adjustSize();
    } else {
        l->setGeometry(x, y, largeur, hauteur);
    }
    return l;
}

Image* image(QWidget* parent, const QString& nom, const QString& dessin, int x, int y, int largeur, int hauteur,
             bool cliquable = false) {
    auto* i = new Image(parent, nom, dessin);
    i->setGeometry(x, y, largeur, hauteur);
    i->setCliquable(cliquable);
    return i;
}

QLineEdit* champ(QWidget* parent, const QString& nom, int x, int y, int largeur, int hauteur) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setFont(Polices::police(Arial, 40));
    e->setAlignment(Qt::AlignCenter);
    e->setFrame(false);
    colore(e, QPalette::Base, ChampReponse);
    e->setGeometry(x, y, largeur, hauteur);
    return e;
}

// An operand caption over its bubble. The text sits 32 pixels right of the label's left edge, so
// that the label centred on the bubble and then moved 16 pixels left keeps its number centred.
QLabel* operande(QWidget* parent, const QString& nom, const QWidget* bulle) {
    auto* l = etiquette(parent, nom, Polices::police(Arial, 40), Qt::black, bulle->x(), bulle->y());
    l->setContentsMargins(32, 0, 0, 0);
    l->setText(QStringLiteral("0"));
    l->adjustSize();
    l->move(bulle->x(), bulle->y() + (bulle->height() - l->height()) / 2);
    return l;
}
}  // namespace

TExo1::TExo1()
    : Fenetre(QStringLiteral("Exo1"), QStringLiteral("Exercice n°1 (donner le résultat)"), Fond) {
    FormCreate();
}

void TExo1::FormCreate() {
    ImageFond = image(this, QStringLiteral("ImageFond"), QString(), 0, 71, 1024, 665);
    EnonceExo1 = etiquette(this, QStringLiteral("EnonceExo1"), Polices::police(Comic, 32, true), Qt::blue, 0, 0,
                           1024, 40);
    Enonce2Exo1 = etiquette(this, QStringLiteral("Enonce2Exo1"), Polices::police(Comic, 19), Qt::blue, 0, 40,
                            1024, 31);
    for (QLabel* enonce : {EnonceExo1, Enonce2Exo1}) {
        enonce->setWordWrap(true);
        enonce->setAutoFillBackground(true);
        colore(enonce, QPalette::Window, Fond);
    }
    creeQuestion();
    creeAides();
    creeBandeNum();
    creeRequin();
    creeAnimations();
    QuitterExo1 = image(this, QStringLiteral("QuitterExo1"), QStringLiteral("quitter"), 912, 632, 100, 120, true);
    connect(QuitterExo1, &Image::clique, this, [this] { QuitterExo1Click(); });

    CalculeEchelle(this);
    AdapteFenetre(this);

    // A missing background is reported and the screen goes on without it.
    Garde::execute([this] {
        ImageFond->setPixmap(Images::charge(QStringLiteral("Images/FondMarin.jpg"), ImageFond->size()));
    });

    partie_ = PartieExo1{};
    Etat().NombreErreurs = 0;
    pasBulleVertical_ = pasBulleHorizontal_ = pasPirate_ = 1;
    RempliMemo1();
    for (Panneau* rangee : BandeNum) rangee->hide();
    // The fish with the sign shows over the help pictures (the clickable "Solution" fish over its
    // plain twin); the speech bubble comes out from behind the fish that says it.
    for (QWidget* w : std::initializer_list<QWidget*>{SolutionImage2, SolutionImage, SolutionLabel, Bravo})
        w->raise();
    Perdu->stackUnder(Poisson);
    largeurPerdu_ = Perdu->width();
}

// The speech bubble as wide as its text, up to its designed width, with its lines balanced (the
// narrowest width that needs no more lines), and as tall as its lines.
void TExo1::ditPerdu(const QString& texte) {
    Perdu->setText(texte);
    Perdu->setWordWrap(false);
    int largeur = std::min(largeurPerdu_, Perdu->sizeHint().width());
    Perdu->setWordWrap(true);
    const int hauteur = Perdu->heightForWidth(largeur);
    for (int etroite = largeur / 2; etroite < largeur;) {
        const int milieu = (etroite + largeur) / 2;
        if (Perdu->heightForWidth(milieu) > hauteur)
            etroite = milieu + 1;
        else
            largeur = milieu;
    }
    Perdu->resize(largeur, hauteur);
    Perdu->show();
}

void TExo1::creeQuestion() {
    BulleOpGauche = image(this, QStringLiteral("BulleOpGauche"), QStringLiteral("bulle"), 169, 177, 136, 136);
    OpGauche = operande(this, QStringLiteral("OpGauche"), BulleOpGauche);
    // The comic face draws "×" tiny: the signs use the bold face of the operands, which children
    // read at a glance.
    // Signs as tall as the bubbles' middle band, so that they line up with the numbers.
    Signe = etiquette(this, QStringLiteral("Signe"), Polices::police(Arial, 48, true), Qt::black, 344, 200, 50, 90);
    BulleOpDroite = image(this, QStringLiteral("BulleOpDroite"), QStringLiteral("bulle"), 424, 176, 136, 136);
    OpDroite = operande(this, QStringLiteral("OpDroite"), BulleOpDroite);
    Egal = etiquette(this, QStringLiteral("Egal"), Polices::police(Arial, 48, true), Qt::black, 592, 200, 50, 90);
    Egal->setText(QStringLiteral("="));

    BulleResultatExo1 = new Panneau(this, QStringLiteral("BulleResultatExo1"));
    BulleResultatExo1->setGeometry(665, 176, 136, 136);
    BulleResultat = image(BulleResultatExo1, QStringLiteral("BulleResultat"), QStringLiteral("bulle"), 0, 0, 136, 136);
    Resultat = champ(BulleResultatExo1, QStringLiteral("Resultat"), 18, 40, 100, 56);
    Resultat->installEventFilter(this);

    PoissonRes = image(this, QStringLiteral("PoissonRes"), QStringLiteral("poisson_jaune"), 856, 200, 120, 90, true);
    connect(PoissonRes, &Image::clique, this, [this] { ValiderResultatClick(); });

    SolutionImage = image(this, QStringLiteral("SolutionImage"), QStringLiteral("solution"), 528, 256, 159, 125, true);
    connect(SolutionImage, &Image::clique, this, [this] { SolutionImageClick(); });
    SolutionImage2 = image(this, QStringLiteral("SolutionImage2"), QStringLiteral("solution_vide"), 528, 256, 159, 125);
    SolutionLabel = etiquette(this, QStringLiteral("SolutionLabel"), Polices::police(Arial, 40), Qt::black, 568, 298,
                              110, 50);
    Bravo = etiquette(this, QStringLiteral("Bravo"), Polices::police(Comic, 32, true), QColor(255, 87, 0), 792, 232);
    Bravo->setStyleSheet(StyleBulleParole);
    Bravo->setText(QStringLiteral("Bravo !"));
    Bravo->adjustSize();
}

void TExo1::creeAides() {
    const auto conteneur = [this](const QString& nom, const QString& nomImage, int x, Image*& contenu) {
        auto* p = new Panneau(this, nom);
        p->setGeometry(x, 310, 158, 75);
        contenu = image(p, nomImage, QString(), 0, 0, 158, 75);
        return p;
    };
    ConteneurAideGaucheDessin = conteneur(QStringLiteral("ConteneurAideGaucheDessin"),
                                          QStringLiteral("ImageGaucheDessin"), 158, ImageGaucheDessin);
    ConteneurAideDroiteDessin = conteneur(QStringLiteral("ConteneurAideDroiteDessin"),
                                          QStringLiteral("ImageDroiteDessin"), 412, ImageDroiteDessin);
    ConteneurAideGaucheConstellation = conteneur(QStringLiteral("ConteneurAideGaucheConstellation"),
                                                 QStringLiteral("ImageGauche"), 158, ImageGauche);
    ConteneurAideDroiteConstellation = conteneur(QStringLiteral("ConteneurAideDroiteConstellation"),
                                                 QStringLiteral("ImageDroite"), 412, ImageDroite);

    AideGrisee = image(this, QStringLiteral("AideGrisee"), QStringLiteral("aide_grisee"), 112, 504, 110, 120);
    EnleverAide = image(this, QStringLiteral("EnleverAide"), QStringLiteral("enlever_aide"), 112, 504, 110, 120, true);
    Aide = image(this, QStringLiteral("Aide"), QStringLiteral("aide"), 112, 504, 110, 120, true);
    connect(Aide, &Image::clique, this, [this] { AideClick(); });
    connect(EnleverAide, &Image::clique, this, [this] { EnleverAideClick(); });
}

// Ten rows of number tiles: row r holds 10r to 10r + 9, the last row 90 to 100.
void TExo1::creeBandeNum() {
    SoutientBandeNum = new Panneau(this, QStringLiteral("SoutientBandeNum"));
    SoutientBandeNum->setGeometry(240, 390, 566, 344);
    const QColor clair(255, 255, 200), vert(215, 255, 215);
    for (int r = 0; r < 10; ++r) {
        auto* rangee = new Panneau(SoutientBandeNum, QStringLiteral("BandeNum%1").arg(10 * r), QColor(190, 245, 245));
        rangee->setGeometry(0, 34 * r, r == 9 ? 564 : 503, 38);
        BandeNum[r] = rangee;
        const int dernier = r == 9 ? 10 : 9;
        for (int k = 0; k <= dernier; ++k) {
            const int numero = 10 * r + k;
            auto* tuile = etiquette(rangee, QStringLiteral("Num%1").arg(numero), Polices::police(Arial, 32),
                                    numero % 2 == 0 ? QColor(255, 87, 0) : QColor(0, 160, 0), 4 + 50 * k, 4,
                                    numero == 100 ? 56 : 46, 30);
            tuile->setText(QString::number(numero));
            tuile->setAutoFillBackground(true);
            colore(tuile, QPalette::Window, (r % 2 == 0 && numero != 100) ? clair : vert);
            tuile->setCursor(Qt::PointingHandCursor);
            tuile->setProperty("numero", numero);
            tuile->installEventFilter(this);
            Num[numero] = tuile;
        }
    }
}

void TExo1::creeRequin() {
    Poisson = image(this, QStringLiteral("Poisson"), QStringLiteral("poisson"), 104, 512, 150, 110);

    Bulle1 = new Panneau(this, QStringLiteral("Bulle1"));
    Bulle1->setGeometry(160, 360, 164, 164);
    Bulle1Image = image(Bulle1, QStringLiteral("Bulle1Image"), QStringLiteral("bulle"), 0, 0, 164, 164);
    OpBulle1 = etiquette(Bulle1, QStringLiteral("OpBulle1"), Polices::police(Arial, 36), Qt::black, 0, 59);

    Bulle2 = new Panneau(this, QStringLiteral("Bulle2"));
    Bulle2->setGeometry(200, 488, 136, 136);
    Bulle2Image = image(Bulle2, QStringLiteral("Bulle2Image"), QStringLiteral("bulle"), 0, 0, 136, 136);
    EgaleBulle2 = etiquette(Bulle2, QStringLiteral("EgaleBulle2"), Polices::police(Arial, 40), Qt::black, 10, 40, 28,
                            56);
    EgaleBulle2->setText(QStringLiteral("="));
    ResultatBulle2 = champ(Bulle2, QStringLiteral("ResultatBulle2"), 38, 40, 84, 56);
    ResultatBulle2->installEventFilter(this);

    RequinPanel = new Panneau(this, QStringLiteral("RequinPanel"));
    RequinPanel->setGeometry(770, 100, 255, 172);
    Requin = image(RequinPanel, QStringLiteral("Requin"), QStringLiteral("requin"), 0, 0, 255, 172);
    // The question the shark has caught, said under its mouth.
    LabelRequin = etiquette(RequinPanel, QStringLiteral("LabelRequin"), Polices::police(Arial, 22, true),
                            QColor(0x12, 0x35, 0x5b), 4, 130, 116, 38);
    LabelRequin->setStyleSheet(StyleBulleParole);

    BulleExplose = image(this, QStringLiteral("BulleExplose"), QStringLiteral("bulle_explose"), 656, 128, 136, 136);
}

void TExo1::creeAnimations() {
    piece = new Forme(this, QStringLiteral("piece"), Forme::Genre::Cercle, QColor(255, 216, 0),
                      QColor(0xc9, 0x97, 0x00), 2);
    piece->setGeometry(96, 704, 25, 25);
    Crabe = image(this, QStringLiteral("Crabe"), QStringLiteral("crabe"), 0, 732, 54, 35);
    ramasse_piece1 = image(this, QStringLiteral("ramasse_piece1"), QStringLiteral("ramasse_piece1"), -8, 496, 105, 97);
    ramasse_piece2 = image(this, QStringLiteral("ramasse_piece2"), QStringLiteral("ramasse_piece2"), 112, 639, 105, 97);
    pirate_descend = image(this, QStringLiteral("pirate_descend"), QStringLiteral("pirate_descend"), 0, 8, 129, 209);
    pirate_monte = image(this, QStringLiteral("pirate_monte"), QStringLiteral("pirate_monte"), 0, 520, 129, 209);
    Perdu = etiquette(this, QStringLiteral("Perdu"), Polices::police(Comic, 19), Qt::black, 657, 300, 330, 92,
                      Qt::AlignHCenter | Qt::AlignTop);
    Perdu->setWordWrap(true);
    Perdu->setStyleSheet(StylePerdu);
    for (QWidget* w : {ramasse_piece1, ramasse_piece2, pirate_descend, pirate_monte}) w->hide();
}

// The two instruction labels stacked at the top, each as tall as its text.
void TExo1::placeEnonces() {
    int haut = 0;
    for (QLabel* enonce : {EnonceExo1, Enonce2Exo1}) {
        const int hauteur = enonce->heightForWidth(enonce->width());
        enonce->setGeometry(0, haut, width(), hauteur > 0 ? hauteur : enonce->sizeHint().height());
        haut += enonce->height();
    }
}
