#include "ecrans/suivi/ApercuRapport.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Affichage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>

namespace {
QPushButton* bouton(const QString& nom, const QString& texte, QWidget* parent) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setMinimumHeight(b->fontMetrics().height() * 2);
    return b;
}
}  // namespace

ApercuRapport::ApercuRapport(QWidget* parent, const RapportFamille::Contenu& contenu,
                             const std::function<void(const RapportFamille::Contenu&)>& enregistre)
    : QDialog(parent), contenu_(contenu), imprimante_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("ApercuRapport"));
    setWindowTitle(QStringLiteral("Bilan de ") + contenu.annee->eleve);
    // A window of its own takes no font from the view: the view's fitted one, as its other texts.
    if (parent) setFont(parent->font());
    imprimante_.setPageSize(QPageSize(QPageSize::A4));
    imprimante_.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    auto* disposition = new QHBoxLayout(this);
    apercu_ = new QPrintPreviewWidget(&imprimante_, this);
    apercu_->setObjectName(QStringLiteral("Apercu"));
    apercu_->setZoomMode(QPrintPreviewWidget::FitInView);
    // The page shrinks to the room left: the window fits the smallest display.
    apercu_->setMinimumSize(200, 200);
    disposition->addWidget(apercu_, 3);
    auto* cote = new QVBoxLayout;
    auto* consigne = new QLabel(QStringLiteral("Le mot de l'enseignant pour la famille :"), this);
    consigne->setWordWrap(true);
    cote->addWidget(consigne);
    mot_ = new QPlainTextEdit(contenu.mot, this);
    mot_->setObjectName(QStringLiteral("MotEnseignant"));
    mot_->setPlaceholderText(QStringLiteral("Laissé vide, le bilan garde des lignes pour l'écrire à la main."));
    cote->addWidget(mot_, 1);
    auto* imprimer = bouton(QStringLiteral("ImprimerRapport"), QStringLiteral("Imprimer…"), this);
    auto* pdf = bouton(QStringLiteral("EnregistrerRapport"), QStringLiteral("Enregistrer en PDF…"), this);
    auto* fermer = bouton(QStringLiteral("Fermer"), QStringLiteral("Fermer"), this);
    for (QPushButton* b : {imprimer, pdf, fermer}) {
        b->setAutoDefault(false);
        cote->addWidget(b);
    }
    // Enter closes the window: the word's box keeps its own Enter for a new line.
    fermer->setDefault(true);
    disposition->addLayout(cote, 1);

    connect(apercu_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* page) {
        QPainter p(page);
        RapportFamille::dessine(p, *page, contenu_);
    });
    // The page follows the word as it is typed.
    connect(mot_, &QPlainTextEdit::textChanged, this, [this] {
        contenu_.mot = mot_->toPlainText();
        apercu_->updatePreview();
    });
    Garde::connecte(imprimer, &QPushButton::clicked, this, [this] { imprime(); });
    Garde::connecte(pdf, &QPushButton::clicked, this, [this, enregistre] { enregistre(contenu_); });
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    resize(Affichage::taille() * 9 / 10);
}

QString ApercuRapport::mot() const { return contenu_.mot; }

void ApercuRapport::imprime() {
    QPrintDialog dialogue(&imprimante_, this);
    dialogue.setWindowTitle(QStringLiteral("Imprimer le bilan de ") + contenu_.annee->eleve);
    if (dialogue.exec() == QDialog::Accepted) apercu_->print();
}
