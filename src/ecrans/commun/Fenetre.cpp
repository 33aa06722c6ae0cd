#include "ecrans/commun/Fenetre.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Apparence.h"

#include <QShowEvent>

Fenetre::Fenetre(const QString& nomObjet, const QString& titre, const QColor& fond)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(nomObjet);
    setWindowTitle(titre);
    setGeometry(0, 0, 1024, 768);
    if (fond.isValid()) setFond(fond);
}

void Fenetre::setFond(const QColor& fond) {
    setAutoFillBackground(true);
    Apparence::colore(this, QPalette::Window, fond);
}

void Fenetre::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // A window coming back from the window system (restored, uncovered) is not a new showing.
    if (e->spontaneous()) return;
    Garde::execute([this] { FormShow(); });
}

FenetreModale::FenetreModale(const QString& nomObjet, const QString& titre, const QSize& taille)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(nomObjet);
    setWindowTitle(titre);
    setModal(true);
    resize(taille);
}

void FenetreModale::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    Garde::execute([this] { FormShow(); });
}
