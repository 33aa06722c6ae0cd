#include "ecrans/commun/TravailEnFond.h"

#include "logique/base/EnFond.h"
#include "logique/base/Minuterie.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/GardeEcranVisible.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Holds the user's input to every window but the progress window while the work runs, so that
// nothing (a second import, the program's end) starts under it.
class RetientLesAutres final : public QObject {
public:
    explicit RetientLesAutres(QWidget* fenetre) : fenetre_(fenetre) { qApp->installEventFilter(this); }
    ~RetientLesAutres() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (!GardeEcranVisible::estUneAction(evenement->type()) && evenement->type() != QEvent::Close) return false;
        auto* widget = qobject_cast<QWidget*>(objet);
        return widget && widget != fenetre_ && !fenetre_->isAncestorOf(widget);
    }

private:
    QWidget* fenetre_;
};

class FenetreAvancement final : public QDialog {
public:
    FenetreAvancement(QWidget* parent, const QString& texte, Avancement& avancement) : QDialog(parent), avancement_(avancement) {
        setObjectName(QStringLiteral("TravailEnFond"));
        setWindowTitle(QStringLiteral("Veuillez patienter"));
        setModal(true);
        const int pixels = parent && parent->font().pixelSize() > 0 ? parent->font().pixelSize() : 22;
        setFont(Apparence::comic(std::max(14, pixels * 4 / 5)));
        auto* libelle = new QLabel(texte, this);
        libelle->setWordWrap(true);
        barre_ = new QProgressBar(this);
        barre_->setRange(0, 1000);
        barre_->setTextVisible(false);
        barre_->setAccessibleName(texte);
        annuler_ = new QPushButton(QStringLiteral("Annuler"), this);
        annuler_->setObjectName(QStringLiteral("AnnulerTravail"));
        auto* colonne = new QVBoxLayout(this);
        colonne->addWidget(libelle);
        colonne->addWidget(barre_);
        colonne->addWidget(annuler_, 0, Qt::AlignRight);
        connect(annuler_, &QPushButton::clicked, this, &FenetreAvancement::annule);
        // The file's name on one line when the screen has room, the bar as wide as the text.
        const int largeur = fontMetrics().horizontalAdvance(texte) + 2 * colonne->contentsMargins().left() + 8;
        setMinimumWidth(parent ? std::min(largeur, parent->window()->width() * 4 / 5) : largeur);
        annuler_->setMinimumSize(annuler_->sizeHint().width() + fontMetrics().height(), fontMetrics().height() * 2);
        suivi_ = Minuterie::cree(this);
        connect(suivi_, &QTimer::timeout, this, [this] { barre_->setValue(avancement_.pourMille()); });
        Minuterie::demarre(suivi_, 50);
    }
    // Escape and the window's close button cancel too; the window goes once the work has stopped.
    void reject() override { annule(); }
    void closeEvent(QCloseEvent* evenement) override {
        evenement->ignore();
        annule();
    }

private:
    void annule() {
        avancement_.demandeArret();
        annuler_->setEnabled(false);
        annuler_->setText(QStringLiteral("Annulation…"));
    }

    Avancement& avancement_;
    QProgressBar* barre_ = nullptr;
    QPushButton* annuler_ = nullptr;
    QTimer* suivi_ = nullptr;
};
}  // namespace

namespace TravailEnFond {
bool execute(QWidget* parent, const QString& texte, const std::function<void(Avancement&)>& travail) {
    Avancement avancement;
    std::exception_ptr echec;
    FenetreAvancement fenetre(parent, texte, avancement);
    const RetientLesAutres retenue(&fenetre);
    QTimer* montre = Minuterie::cree(&fenetre);
    montre->setSingleShot(true);
    QObject::connect(montre, &QTimer::timeout, &fenetre, [&fenetre] { fenetre.show(); });
    Minuterie::demarre(montre, DelaiAvantFenetreMs);

    QEventLoop boucle;
    QFutureWatcher<void> veille;
    QObject::connect(&veille, &QFutureWatcherBase::finished, &boucle, &QEventLoop::quit);
    veille.setFuture(EnFond::lance([&] {
        try {
            travail(avancement);
        } catch (...) {
            echec = std::current_exception();
        }
    }));
    if (!veille.isFinished()) boucle.exec();
    veille.waitForFinished();
    if (echec) {
        try {
            std::rethrow_exception(echec);
        } catch (const TravailAnnule&) {
            return false;
        }
    }
    return true;
}
}  // namespace TravailEnFond
