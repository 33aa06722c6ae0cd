#include "ecrans/identification/ApercuImport.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/BoutonRond.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QColor Refuse(0xff, 0xd6, 0xcc);
const QColor Accepte(0xd9, 0xf7, 0xd9);
constexpr int LignesAjusteesMax = 300;
}  // namespace

ApercuImport::ApercuImport(QWidget* parent, SharedState& etat, const QString& enseignant, const QString& fichier,
                           const QList<ListeLue::Eleve>& lus)
    : QDialog(parent), etat_(etat), enseignant_(enseignant), lus_(lus) {
    setObjectName(QStringLiteral("ApercuImport"));
    setWindowTitle(QStringLiteral("Importer une liste d'élèves"));
    setModal(true);
    // The identification screen's fitted font, so the box reads like the screen at any size.
    const int pixels = parent && parent->font().pixelSize() > 0 ? parent->font().pixelSize() : 22;
    setFont(Apparence::comic(std::max(14, pixels * 4 / 5)));
    Apparence::colore(this, QPalette::Window, QColor(255, 255, 200));
    setAutoFillBackground(true);

    auto* titre = new QLabel(QStringLiteral("Élèves lus dans « %1 » pour %2")
                                 .arg(QFileInfo(fichier).fileName(), enseignant == QStringLiteral("aucun")
                                                                         ? QStringLiteral("les élèves sans enseignant")
                                                                         : QStringLiteral("la classe de ") + enseignant),
                             this);
    titre->setObjectName(QStringLiteral("TitreApercu"));
    titre->setFont(Apparence::comic(std::max(16, pixels), true));
    titre->setWordWrap(true);
    resume_ = new QLabel(this);
    resume_->setObjectName(QStringLiteral("ResumeApercu"));
    resume_->setWordWrap(true);

    auto* ligneNiveau = new QHBoxLayout;
    const QStringList niveaux = ImportEleves::niveauxDe(etat_, enseignant_);
    bool sansNiveau = false;
    for (const ListeLue::Eleve& e : lus_) sansNiveau |= e.niveau.isEmpty() && !e.sansNiveau;
    niveau_ = new QComboBox(this);
    niveau_->setObjectName(QStringLiteral("NiveauParDefaut"));
    niveau_->addItems(niveaux);
    auto* texteNiveau = new QLabel(QStringLiteral("Niveau des élèves dont le fichier ne donne pas le niveau :"), this);
    texteNiveau->setWordWrap(true);
    ligneNiveau->addWidget(texteNiveau, 1);
    ligneNiveau->addWidget(niveau_);
    // Only where there is a choice to make.
    texteNiveau->setVisible(sansNiveau && niveaux.size() > 1);
    niveau_->setVisible(sansNiveau && niveaux.size() > 1);

    tableau_ = new QTableWidget(0, 4, this);
    tableau_->setObjectName(QStringLiteral("TableauApercu"));
    tableau_->setHorizontalHeaderLabels(
        {QStringLiteral("Ligne"), QStringLiteral("Élève"), QStringLiteral("Niveau"), QStringLiteral("Inscription")});
    tableau_->verticalHeader()->hide();
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau_->setSelectionMode(QAbstractItemView::NoSelection);
    tableau_->setWordWrap(true);
    tableau_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tableau_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tableau_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    tableau_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);

    auto* boutons = new QHBoxLayout;
    auto* annuler = new BoutonRond(this, QStringLiteral("AnnulerImport"), QStringLiteral("Annuler"), Apparence::Corail,
                                   Qt::white);
    inscrire_ = new BoutonRond(this, QStringLiteral("InscrireImport"), QStringLiteral("Inscrire les élèves acceptés"),
                               Apparence::Algue, Qt::white);
    for (QPushButton* b : {static_cast<QPushButton*>(annuler), inscrire_})
        b->setMinimumSize(b->fontMetrics().horizontalAdvance(b->text()) * 6 / 5 + 40, b->fontMetrics().height() * 2);
    boutons->addStretch(1);
    boutons->addWidget(annuler);
    boutons->addWidget(inscrire_);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(titre);
    colonne->addWidget(resume_);
    colonne->addLayout(ligneNiveau);
    colonne->addWidget(tableau_, 1);
    colonne->addLayout(boutons);

    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(inscrire_, &QPushButton::clicked, this, &QDialog::accept);
    connect(niveau_, &QComboBox::currentIndexChanged, this, [this] { Garde::execute([this] { remplit(); }); });
    remplit();
    if (parent) resize(parent->width() * 4 / 5, parent->height() * 4 / 5);
}

void ApercuImport::remplit() {
    eleves_ = ImportEleves::prepare(etat_, enseignant_, lus_, niveau_->currentText());
    int acceptes = 0;
    const int lus = static_cast<int>(eleves_.size());
    // Rows fitted to their wrapped text cost a measure of every cell at each layout: a school's
    // whole export (thousands of rows) gets rows of one line, each full text in its tooltip.
    tableau_->verticalHeader()->setSectionResizeMode(lus <= LignesAjusteesMax ? QHeaderView::ResizeToContents
                                                                              : QHeaderView::Fixed);
    if (lus > LignesAjusteesMax) tableau_->verticalHeader()->setDefaultSectionSize(tableau_->fontMetrics().height() * 3 / 2);
    tableau_->setUpdatesEnabled(false);
    tableau_->setRowCount(static_cast<int>(eleves_.size()));
    for (int r = 0; r < eleves_.size(); ++r) {
        const ImportEleves::Eleve& e = eleves_[r];
        const bool ok = e.refus.isEmpty();
        acceptes += ok;
        const QStringList textes = {QString::number(e.numero), e.nom, e.niveau,
                                    ok ? QStringLiteral("sera inscrit : « %1 »").arg(e.ligne)
                                       : QStringLiteral("refusé : ") + e.refus};
        for (int c = 0; c < textes.size(); ++c) {
            auto* item = new QTableWidgetItem(textes[c]);
            item->setBackground(ok ? Accepte : Refuse);
            item->setToolTip(textes[c]);
            tableau_->setItem(r, c, item);
        }
    }
    tableau_->setUpdatesEnabled(true);
    const int refuses = lus - acceptes;
    const auto compte = [](int n, const char* un, const char* plusieurs) {
        return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n > 1 ? plusieurs : un);
    };
    QString texte = compte(lus, "élève lu", "élèves lus") + QStringLiteral(" : ") +
                    compte(acceptes, "sera inscrit", "seront inscrits");
    if (refuses > 0)
        texte += QStringLiteral(", ") + compte(refuses, "refusé", "refusés") + QStringLiteral(" (en rouge, avec la raison)");
    resume_->setText(texte + QLatin1Char('.'));
    inscrire_->setEnabled(acceptes > 0);
}
