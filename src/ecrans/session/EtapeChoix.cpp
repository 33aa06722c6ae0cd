#include "ecrans/session/EtapeChoix.h"

#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/session/CaseChoix.h"
#include "logique/base/Nombres.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {
using ChoixOperateur::EtatEtape;

// Design pixels, at the display's scale.
constexpr int Marge = 10;
constexpr int Pastille = 40;
constexpr int TailleTitre = 26;
constexpr int Ecart = 36;  // between two choices, when the row has room for it

int aLEchelle(int design, double k) { return std::max(1, Nombres::arrondi(design * k)); }
}  // namespace

EtapeChoix::EtapeChoix(QWidget* parent, const QString& nomObjet, int numero, const QString& titre)
    : QWidget(parent), numero_(numero) {
    setObjectName(nomObjet);
    setAccessibleName(QStringLiteral("Étape %1\u00A0: %2").arg(numero).arg(titre.toLower()));
    numeroTexte_ = new QLabel(QString::number(numero), this);
    numeroTexte_->setObjectName(nomObjet + QStringLiteral("Numero"));
    numeroTexte_->setAccessibleName(QStringLiteral("Étape %1").arg(numero));
    numeroTexte_->setAlignment(Qt::AlignCenter);
    titre_ = new QLabel(titre, this);
    titre_->setObjectName(nomObjet + QStringLiteral("Titre"));
    titre_->setAccessibleName(titre);
    Apparence::colore(titre_, QPalette::WindowText, Apparence::Marine);
    montreEtat(EtatEtape::Attend);
}

CaseChoix* EtapeChoix::ajouteCase(const QString& nomObjet, const QString& nomAccessible, const QSize& design) {
    auto* c = new CaseChoix(this, nomObjet, nomAccessible, design);
    cases_ << c;
    return c;
}

void EtapeChoix::montreEtat(EtatEtape etat) {
    etat_ = etat;
    // The number stays dark on the light badges, white on the green one of a step done.
    Apparence::colore(numeroTexte_, QPalette::WindowText, etat == EtatEtape::Faite ? QColor(Qt::white) : Apparence::Marine);
    for (CaseChoix* c : cases_) c->estompe(etat == EtatEtape::Attend);
    static const QString etats[] = {QStringLiteral("en attente"), QStringLiteral("à faire maintenant"), QStringLiteral("faite")};
    setAccessibleDescription(etats[static_cast<int>(etat)]);
    update();
}

CaseChoix* EtapeChoix::entree() const {
    CaseChoix* premiere = nullptr;
    for (CaseChoix* c : cases_) {
        if (!c->isEnabled()) continue;
        if (c->estChoisie()) return c;
        if (!premiere) premiere = c;
    }
    return premiere;
}

int EtapeChoix::epaisseurBord() const {
    switch (etat_) {
        case EtatEtape::EnCours: return std::max(3, aLEchelle(5, echelle_));
        case EtatEtape::Faite: return std::max(2, aLEchelle(3, echelle_));
        case EtatEtape::Attend: break;
    }
    return std::max(1, aLEchelle(2, echelle_));
}

QRect EtapeChoix::pastille() const {
    const int m = aLEchelle(Marge, echelle_);
    return {m + aLEchelle(6, echelle_), m, aLEchelle(Pastille, echelle_), aLEchelle(Pastille, echelle_)};
}

void EtapeChoix::resizeEvent(QResizeEvent*) { dispose(); }

void EtapeChoix::dispose() {
    // The display's smaller ratio: a wide display spreads the row, never flattens a picture.
    echelle_ = std::min(Affichage::rapportX(), Affichage::rapportY());
    const QFont police = Apparence::comic(aLEchelle(TailleTitre, echelle_), true);
    numeroTexte_->setFont(police);
    titre_->setFont(police);
    const QRect p = pastille();
    numeroTexte_->setGeometry(p);
    // A pupil's larger type as far as the number keeps in its disc and the title level with it.
    Apparence::reduitPourTenir(numeroTexte_, p.size());
    Apparence::reduitPourTenir(titre_, QSize(width() / 2, p.height()));
    const QSize titre = titre_->sizeHint();
    titre_->setGeometry(p.right() + 1 + aLEchelle(12, echelle_), p.center().y() - titre.height() / 2, titre.width(),
                        titre.height());

    // The row of choices beside the header when it fits there whole, else under it; centred in
    // its place. Under the header the gaps shrink first, then the choices, so that the row always
    // fits the band.
    const int m = aLEchelle(Marge, echelle_);
    const int finEntete = titre_->geometry().right() + 1 + aLEchelle(16, echelle_);
    const int sousEntete = p.bottom() + 1 + aLEchelle(4, echelle_);
    if (!range(QRect(finEntete, m, width() - m - finEntete, height() - 2 * m), false))
        range(QRect(m, sousEntete, width() - 2 * m, height() - sousEntete - m), true);
}

bool EtapeChoix::range(const QRect& zone, bool reduire) {
    if (cases_.isEmpty() || zone.isEmpty()) return false;
    const int n = static_cast<int>(cases_.size());
    double k = echelle_;
    int largeurs = 0, hauteur = 0, ecart = 0;
    for (int essai = 0;; ++essai, k *= 0.95) {
        largeurs = hauteur = 0;
        for (CaseChoix* c : cases_) {
            c->metALEchelle(k);
            largeurs += c->tailleVoulue().width();
            hauteur = std::max(hauteur, c->tailleVoulue().height());
        }
        ecart = n > 1 ? std::min(aLEchelle(Ecart, k), (zone.width() - largeurs) / (n - 1)) : 0;
        const bool tient = hauteur <= zone.height() && largeurs + ecart * (n - 1) <= zone.width() && ecart >= aLEchelle(4, k);
        if (tient) break;
        if (!reduire) return false;
        if (essai == 30) break;
    }
    int x = zone.x() + (zone.width() - largeurs - ecart * (n - 1)) / 2;
    for (CaseChoix* c : cases_) {
        const QSize t = c->tailleVoulue();
        c->setGeometry(x, zone.y() + (zone.height() - t.height()) / 2, t.width(), t.height());
        x += t.width() + ecart;
    }
    return true;
}

void EtapeChoix::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Lit: nearly white with a thick orange outline; done: a green outline; waiting: the sea shows
    // through and the outline is thin.
    QColor fond(Qt::white), bord = Apparence::Marine, pastille = Qt::white;
    switch (etat_) {
        case EtatEtape::EnCours:
            fond.setAlpha(235);
            bord = Apparence::Orange;
            pastille = Apparence::Or;
            break;
        case EtatEtape::Faite:
            fond.setAlpha(190);
            bord = Apparence::Vert;
            pastille = Apparence::Vert;
            break;
        case EtatEtape::Attend:
            fond.setAlpha(120);
            bord.setAlpha(150);
            break;
    }
    // In high contrast: opaque white whatever the state, its outline deepened.
    if (Apparence::contrasteFort()) {
        fond.setAlpha(255);
        bord = Apparence::encre(bord);
        bord.setAlpha(255);
    }
    const qreal t = epaisseurBord();
    const QRectF bande = QRectF(rect()).adjusted(t / 2, t / 2, -t / 2, -t / 2);
    const qreal rayon = aLEchelle(18, echelle_);
    p.setPen(QPen(bord, t));
    p.setBrush(fond);
    p.drawRoundedRect(bande, rayon, rayon);
    p.setPen(QPen(Apparence::Marine, std::max(1, aLEchelle(2, echelle_))));
    p.setBrush(pastille);
    p.drawEllipse(QRectF(this->pastille()).adjusted(1, 1, -1, -1));
}

void EtapeChoix::keyPressEvent(QKeyEvent* e) {
    int pas = 0;
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: pas = -1; break;
        case Qt::Key_Right:
        case Qt::Key_Down: pas = 1; break;
        default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
    // From the choice the keyboard is on to the next one that can be chosen, round the row.
    const int n = static_cast<int>(cases_.size());
    int i = static_cast<int>(cases_.indexOf(qobject_cast<CaseChoix*>(focusWidget())));
    if (i < 0) i = pas > 0 ? -1 : n;
    for (int essai = 0; essai < n; ++essai) {
        i = (i + pas + n) % n;
        if (cases_[i]->isEnabled()) {
            cases_[i]->prendLeClavier(Qt::OtherFocusReason);
            return;
        }
    }
}
