#include "ecrans/commun/Fabrique.h"

#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/StyleProportionne.h"

#include <QLabel>
#include <QFontMetrics>
#include <QLineEdit>

namespace Fabrique {
QLabel* etiquette(QWidget* parent, const QString& nom, const QFont& police, const QColor& couleur, int x, int y, int largeur,
                  int hauteur, Qt::Alignment alignement) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setFont(police);
    l->setAlignment(alignement);
    Apparence::colore(l, QPalette::WindowText, couleur);
    if (largeur < 0) {
        Marques::tailleAuTexte(l);
        l->move(x, y);
        l->adjustSize();
    } else {
        l->setGeometry(x, y, largeur, hauteur);
    }
    return l;
}

Image* image(QWidget* parent, const QString& nom, const QString& dessin, int x, int y, int largeur, int hauteur, bool cliquable) {
    auto* i = new Image(parent, nom, dessin);
    i->setGeometry(x, y, largeur, hauteur);
    i->gardeProportions(QSize(largeur, hauteur));
    i->setCliquable(cliquable);
    return i;
}

QLineEdit* champ(QWidget* parent, const QString& nom, int x, int y, int largeur, int hauteur) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setFont(Apparence::nombres(Apparence::PoliceNombres));
    e->setAlignment(Qt::AlignCenter);
    e->setFrame(false);
    Apparence::colore(e, QPalette::Base, Qt::transparent);
    StyleProportionne::applique(e);
    e->setGeometry(x, y, largeur, hauteur);
    QObject::connect(e, &QLineEdit::textChanged, e, [e] { ajusteNombre(e, e->width() - 8); });
    return e;
}

Panneau* panneau(QWidget* parent, const QString& nom, int x, int y, int largeur, int hauteur) {
    auto* p = new Panneau(parent, nom);
    p->setGeometry(x, y, largeur, hauteur);
    return p;
}

QLabel* operande(QWidget* parent, const QString& nom, const QWidget* bulle) {
    auto* l = etiquette(parent, nom, Apparence::nombres(Apparence::PoliceNombres), Qt::black, bulle->x(), bulle->y());
    l->setContentsMargins(32, 0, 0, 0);
    l->setText(QStringLiteral("0"));
    l->adjustSize();
    l->move(bulle->x(), bulle->y() + (bulle->height() - l->height()) / 2);
    return l;
}

void afficheOperande(QLabel* label, const QWidget* bulle, const QString& texte) {
    label->setText(texte);
    ajusteNombre(label, bulle->width() * 4 / 5);
    label->adjustSize();
    label->move(bulle->x() + (bulle->width() - label->width()) / 2 - 16, bulle->y() + (bulle->height() - label->height()) / 2);
}

void pleine(QWidget* w, const QFont& police) {
    w->setProperty("policePleine", police);
    w->setFont(police);
}

void ajusteNombre(QWidget* w, int largeur) {
    if (!w->property("policePleine").isValid()) w->setProperty("policePleine", w->font());
    QFont police = w->property("policePleine").value<QFont>();
    const int large = QFontMetrics(police).horizontalAdvance(w->property("text").toString());
    if (large > largeur && largeur > 0) police.setPixelSize(std::max(1, police.pixelSize() * largeur / large));
    w->setFont(police);
}
}  // namespace Fabrique
