#include "ecrans/suivi/TSuiviEleves.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"
#include "logique/etat/NomsDossier.h"
#include "logique/base/Garde.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/DialogueEnregistrement.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/commun/Passage.h"
#include "ecrans/commun/TravailEnFond.h"
#include "logique/journal/Journal.h"
#include "logique/revision/SeuilClasse.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "ecrans/suivi/GrilleFaits.h"
#include "ecrans/suivi/ApercuRapport.h"
#include "ecrans/suivi/RapportFamille.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QScatterSeries>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>

namespace {
// A number cell that sorts by its value, not by its text.
class CaseNombre final : public QTableWidgetItem {
public:
    CaseNombre(const QString& texte, double valeur) : QTableWidgetItem(texte) {
        setData(Qt::UserRole, valeur);
        setTextAlignment(Qt::AlignCenter);
    }
    bool operator<(const QTableWidgetItem& autre) const override {
        return data(Qt::UserRole).toDouble() < autre.data(Qt::UserRole).toDouble();
    }
};

QString pourcent(double part) { return part < 0 ? QStringLiteral("–") : QStringLiteral("%1 %").arg(qRound(part * 100)); }
QString secondes(int ms) {
    return ms < 0 ? QStringLiteral("–") : FormatFr::nombre(std::round(ms / 100.0) / 10.0) + QStringLiteral(" s");
}

QPushButton* bouton(const QString& nom, const QString& texte) {
    auto* b = new QPushButton(texte);
    b->setObjectName(nom);
    b->setMinimumHeight(44);
    return b;
}

const QStringList Colonnes = {QStringLiteral("Élève"),
                              QStringLiteral("Dernière connexion"),
                              QStringLiteral("Exercices\ncette\nsemaine"),
                              QStringLiteral("Questions\ncette\nsemaine"),
                              QStringLiteral("Réussite\ncette\nsemaine"),
                              QStringLiteral("Réussite\n4 semaines\navant"),
                              QStringLiteral("Temps\nmédian"),
                              QStringLiteral("✓ Auto-\nmatiques"),
                              QStringLiteral("~ Justes\nmais lentes"),
                              QStringLiteral("✗ À revoir"),
                              QStringLiteral("· Jamais\nvues"),
                              QStringLiteral("Dus\naujour-\nd'hui")};

RapportFamille::Contenu rapport(const Classe& classe, const AnneeEleve& b, const QHash<QString, QString>& mots) {
    return {&b, classe.enseignant, classe.maintenant.date(), classe.seuilMs, mots.value(b.eleve)};
}

QChartView* graphique(const QString& nom, const QString& titre) {
    auto* chart = new QChart;
    chart->setTitle(titre);
    chart->setTitleFont(Apparence::arial(15, true));
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 28, 4));  // room for the last date
    auto* vue = new QChartView(chart);
    vue->setObjectName(nom);
    vue->setRenderHint(QPainter::Antialiasing);
    return vue;
}

void courbe(QChartView* vue, const QList<Semaine>& semaines, bool pourcentage, double k) {
    QChart* chart = vue->chart();
    chart->setTitleFont(Apparence::arial(qRound(15 * k), true));
    chart->removeAllSeries();
    for (QAbstractAxis* a : chart->axes()) chart->removeAxis(a);
    auto* ligne = new QLineSeries;
    auto* points = new QScatterSeries;
    points->setMarkerSize(7 * k);
    ligne->setPen(QPen(Apparence::Orange, 2.5));
    points->setColor(Apparence::Orange);
    double plus = 1;
    for (int i = 0; i < semaines.size(); ++i) {
        const double v = pourcentage ? semaines[i].reussite() * 100 : semaines[i].mediane() / 1000.0;
        if (v < 0) continue;
        ligne->append(i, v);
        points->append(i, v);
        plus = std::max(plus, v);
    }
    chart->addSeries(ligne);
    chart->addSeries(points);
    // The weeks by the date of their Monday, about one label a month.
    auto* x = new QCategoryAxis;
    x->setRange(0, std::max<qsizetype>(1, semaines.size() - 1));
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qsizetype pas = std::max<qsizetype>(1, (semaines.size() + 7) / 8);
    for (qsizetype i = 0; i < semaines.size(); i += pas) x->append(FormatFr::jourMois(semaines[i].lundi), double(i));
    x->setTitleText(QStringLiteral("semaine du lundi…"));
    auto* y = new QValueAxis;
    y->setRange(0, pourcentage ? 100 : std::ceil(plus));
    y->setLabelFormat(pourcentage ? QStringLiteral("%d %%") : QStringLiteral("%.0f s"));
    for (QAbstractAxis* a : std::initializer_list<QAbstractAxis*>{x, y}) {
        a->setLabelsFont(Apparence::arial(qRound(12 * k)));
        a->setTitleFont(Apparence::arial(qRound(12 * k)));
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(ligne), static_cast<QAbstractSeries*>(points)}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}
}  // namespace

TSuiviEleves::TSuiviEleves() : Fenetre(QStringLiteral("SuiviEleves"), QStringLiteral("Suivi des élèves"), QColor(255, 255, 224)) {
    creeControles();
}

void TSuiviEleves::creeControles() {
    setFont(Apparence::arial(16));
    auto* racine = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    titre_ = new QLabel(QStringLiteral("Suivi des élèves"));
    titre_->setObjectName(QStringLiteral("Titre"));
    titre_->setFont(Apparence::comic(30, true));
    Apparence::colore(titre_, QPalette::WindowText, Apparence::Marine);
    auto* retour = bouton(QStringLiteral("Retour"), QStringLiteral("Retour"));
    auto* rapports = bouton(QStringLiteral("RapportsClasse"), QStringLiteral("Bilans de la classe (PDF)"));
    haut->addWidget(titre_, 1);
    haut->addWidget(rapports);
    haut->addWidget(retour);
    racine->addLayout(haut);
    etatLecture_ = new QLabel;
    etatLecture_->setObjectName(QStringLiteral("EtatLecture"));
    etatLecture_->setWordWrap(true);
    etatLecture_->setFont(Apparence::arial(18, true));
    Apparence::colore(etatLecture_, QPalette::WindowText, Apparence::Orange);
    etatLecture_->hide();
    racine->addWidget(etatLecture_);
    pages_ = new QStackedWidget;
    racine->addWidget(pages_, 1);

    // The class.
    auto* pageClasse = new QWidget;
    auto* lc = new QHBoxLayout(pageClasse);
    auto* gauche = new QVBoxLayout;
    tableau_ = new QTableWidget(0, Colonnes.size());
    tableau_->setObjectName(QStringLiteral("TableauClasse"));
    tableau_->setHorizontalHeaderLabels(Colonnes);
    tableau_->setSortingEnabled(true);
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableau_->verticalHeader()->hide();
    tableau_->setWordWrap(true);
    // Twelve columns fit 1024 pixels with headings a little smaller than the figures, each column
    // given its own width (ajusteColonnes).
    tableau_->horizontalHeader()->setFont(Apparence::arial(11));
    tableau_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau_->viewport()->installEventFilter(this);
    connect(tableau_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this] { ajusteColonnes(); });
    gauche->addWidget(tableau_, 1);
    auto* basClasse = new QHBoxLayout;
    auto* voir = bouton(QStringLiteral("VoirEleve"), QStringLiteral("Voir l'élève choisi"));
    auto* csv = bouton(QStringLiteral("ExporterCsv"), QStringLiteral("Exporter la classe (tableur)"));
    basClasse->addWidget(voir);
    basClasse->addWidget(csv);
    basClasse->addStretch();
    basClasse->addWidget(new QLabel(QStringLiteral("Automatique : juste du premier coup en")));
    seuil_ = new QDoubleSpinBox;
    seuil_->setObjectName(QStringLiteral("Seuil"));
    seuil_->setRange(0.5, 60);
    seuil_->setSingleStep(0.5);
    seuil_->setDecimals(1);
    seuil_->setSuffix(QStringLiteral(" s au plus"));
    seuil_->setLocale(QLocale(QLocale::French));
    seuil_->setValue(Suivi::SeuilParDefautMs / 1000.0);  // until a class is read
    basClasse->addWidget(seuil_);
    reussiteVisee_ = new QSpinBox;
    reussiteVisee_->setObjectName(QStringLiteral("ReussiteVisee"));
    reussiteVisee_->setRange(Revision::ReussiteViseeMin, Revision::ReussiteViseeMax);
    reussiteVisee_->setSuffix(QStringLiteral(" %"));
    reussiteVisee_->setToolTip(QStringLiteral("Un calcul revient en révision quand sa réussite estimée passe en dessous."));
    reussiteVisee_->setValue(Revision::ReussiteViseeParDefaut);
    gauche->addLayout(basClasse);
    lc->addLayout(gauche, 9);
    auto* droite = new QVBoxLayout;
    auto* titreAide = new QLabel(QStringLiteral("À aider aujourd'hui"));
    titreAide->setFont(Apparence::arial(20, true));
    droite->addWidget(titreAide);
    aider_ = new QListWidget;
    aider_->setObjectName(QStringLiteral("AAider"));
    aider_->setWordWrap(true);
    aider_->setSpacing(4);
    aider_->setAlternatingRowColors(true);
    droite->addWidget(aider_, 1);
    auto* titreCalibrage = new QLabel(QStringLiteral("Estimations des quatre dernières semaines"));
    titreCalibrage->setWordWrap(true);
    titreCalibrage->setFont(Apparence::arial(14, true));
    droite->addWidget(titreCalibrage);
    auto* visee = new QHBoxLayout;
    visee->addWidget(new QLabel(QStringLiteral("Réussite visée :")));
    visee->addWidget(reussiteVisee_);
    visee->addStretch();
    droite->addLayout(visee);
    calibrage_ = new QLabel;
    calibrage_->setObjectName(QStringLiteral("Calibrage"));
    calibrage_->setWordWrap(true);
    droite->addWidget(calibrage_);
    lc->addLayout(droite, 2);
    pages_->addWidget(pageClasse);

    // One pupil.
    auto* pageEleve = new QWidget;
    auto* le = new QVBoxLayout(pageEleve);
    auto* barre = new QHBoxLayout;
    nomEleve_ = new QLabel;
    nomEleve_->setObjectName(QStringLiteral("NomEleve"));
    nomEleve_->setFont(Apparence::arial(22, true));
    auto* classe = bouton(QStringLiteral("RetourClasse"), QStringLiteral("Toute la classe"));
    auto* imprimer = bouton(QStringLiteral("Imprimer"), QStringLiteral("Bilan pour la famille…"));
    imprimer->setToolTip(QStringLiteral("Voir le bilan, y écrire un mot pour la famille, l'imprimer ou l'enregistrer."));
    auto* pdf = bouton(QStringLiteral("EnregistrerPdf"), QStringLiteral("Enregistrer en PDF"));
    barre->addWidget(nomEleve_, 1);
    barre->addWidget(classe);
    barre->addWidget(imprimer);
    barre->addWidget(pdf);
    le->addLayout(barre);
    auto* milieu = new QHBoxLayout;
    grilles_ = new QTabWidget;
    grilles_->setObjectName(QStringLiteral("Grilles"));
    const QStringList noms = {QStringLiteral("Additions"), QStringLiteral("Soustractions"), QStringLiteral("Multiplications"),
                              QStringLiteral("Divisions")};
    for (int o = 0; o < 4; ++o) {
        auto* g = new GrilleFaits(grilles_, static_cast<Operation>(o));
        g->setObjectName(QStringLiteral("Grille%1").arg(o));
        grillesParOperation_ << g;
        grilles_->addTab(g, noms[o]);
        connect(g, &GrilleFaits::faitChoisi, this, [this](const QString& t) { detail_->setText(t); });
    }
    milieu->addWidget(grilles_, 3);
    auto* cote = new QVBoxLayout;
    auto* legende = new QLabel(
        QStringLiteral("✓ automatique   ~ juste mais lente\n✗ à revoir   · jamais vue\n"
                       "Réussite estimée : solide (au moins la réussite visée), fragile (au moins 60 %), à revoir"));
    legende->setObjectName(QStringLiteral("Legende"));
    legende->setWordWrap(true);
    cote->addWidget(legende);
    detail_ = new QLabel(QStringLiteral("Un clic sur une case donne le détail."));
    detail_->setObjectName(QStringLiteral("Detail"));
    detail_->setWordWrap(true);
    detail_->setMinimumHeight(70);
    cote->addWidget(detail_);
    auto* titreFragiles = new QLabel(QStringLiteral("Les dix calculs à travailler"));
    titreFragiles->setFont(Apparence::arial(18, true));
    cote->addWidget(titreFragiles);
    fragiles_ = new QListWidget;
    fragiles_->setObjectName(QStringLiteral("Fragiles"));
    cote->addWidget(fragiles_, 1);
    revision_ = new QLabel;
    revision_->setObjectName(QStringLiteral("Revision"));
    revision_->setWordWrap(true);
    cote->addWidget(revision_);
    milieu->addLayout(cote, 2);
    le->addLayout(milieu, 3);
    auto* courbes = new QHBoxLayout;
    reussite_ = graphique(QStringLiteral("CourbeReussite"), QStringLiteral("Réussite du premier coup, par semaine"));
    temps_ = graphique(QStringLiteral("CourbeTemps"), QStringLiteral("Temps médian d'une réponse juste, par semaine"));
    courbes->addWidget(reussite_);
    courbes->addWidget(temps_);
    le->addLayout(courbes, 2);
    pages_->addWidget(pageEleve);
    actionsClasse_ = {voir, csv, rapports, seuil_, reussiteVisee_, imprimer, pdf};
    montreClasse(false);

    Garde::connecte(retour, &QPushButton::clicked, this, [this] { RetourClick(); });
    Garde::connecte(classe, &QPushButton::clicked, this, [this] { pages_->setCurrentIndex(0); });
    Garde::connecte(voir, &QPushButton::clicked, this, [this] {
        const int r = tableau_->currentRow();
        if (r >= 0) montreEleve(tableau_->item(r, 0)->data(Qt::UserRole).toString());
    });
    connect(tableau_, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
        Garde::execute([this, r] { montreEleve(tableau_->item(r, 0)->data(Qt::UserRole).toString()); });
    });
    connect(aider_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* i) {
        const QString eleve = i->data(Qt::UserRole).toString();
        if (!eleve.isEmpty()) Garde::execute([this, eleve] { montreEleve(eleve); });
    });
    connect(seuil_, &QDoubleSpinBox::valueChanged, this, [this](double s) { Garde::execute([this, s] { seuilChange(s); }); });
    connect(reussiteVisee_, &QSpinBox::valueChanged, this,
            [this](int p) { Garde::execute([this, p] { reussiteViseeChange(p); }); });
    Garde::connecte(csv, &QPushButton::clicked, this, [this] {
        const QString f = DialogueEnregistrement::demande(this, QStringLiteral("Exporter la classe"),
                                                          classe_.enseignant == QLatin1String("aucun")
                                                              ? QStringLiteral("suivi des élèves sans enseignant")
                                                              : QStringLiteral("suivi de la classe de ") + classe_.enseignant,
                                                          QStringLiteral("csv"), QStringLiteral("Tableur (*.csv)"));
        if (f.isEmpty()) return;
        exporteCsv(f);
        DialogueEnregistrement::confirme(QStringLiteral("La classe a été exportée"), f);
    });
    const auto enregistre = [this](const RapportFamille::Contenu& contenu) {
        const QString nom = Suivi::nomAffiche(contenu.annee->eleve);
        const QString f = DialogueEnregistrement::demande(this, QStringLiteral("Enregistrer le bilan en PDF"),
                                                          QStringLiteral("bilan de ") + nom, QStringLiteral("pdf"),
                                                          QStringLiteral("PDF (*.pdf)"));
        if (f.isEmpty()) return;
        RapportFamille::enregistrePdf(f, {contenu});
        DialogueEnregistrement::confirme(QStringLiteral("Le bilan de %1 a été enregistré").arg(nom), f);
    };
    Garde::connecte(pdf, &QPushButton::clicked, this, [this, enregistre] {
        if (const AnneeEleve* b = eleveMontre()) enregistre(rapport(classe_, *b, mots_));
    });
    Garde::connecte(imprimer, &QPushButton::clicked, this, [this, enregistre] {
        const AnneeEleve* b = eleveMontre();
        if (!b) return;
        ApercuRapport apercu(this, rapport(classe_, *b, mots_), enregistre);
        apercu.exec();
        mots_[b->eleve] = apercu.mot();
    });
    Garde::connecte(rapports, &QPushButton::clicked, this, [this] {
        const QString f = DialogueEnregistrement::demande(this, QStringLiteral("Enregistrer les bilans de la classe"),
                                                          classe_.enseignant == QLatin1String("aucun")
                                                              ? QStringLiteral("bilans des élèves sans enseignant")
                                                              : QStringLiteral("bilans de la classe de ") + classe_.enseignant,
                                                          QStringLiteral("pdf"), QStringLiteral("PDF (*.pdf)"));
        if (!f.isEmpty() && enregistreRapportsClasse(f))
            DialogueEnregistrement::confirme(QStringLiteral("Les bilans de la classe ont été enregistrés"), f);
    });
}

void TSuiviEleves::FormShow() {
    if (premierAffichage_) {
        // The view covers the display; its text grows with it, by the smaller of the two factors
        // so nothing is cut off.
        setGeometry(QRect(QPoint(0, 0), Affichage::taille()));
        echelle_ = std::max(1.0, std::min(Affichage::taille().width() / 1024.0, Affichage::taille().height() / 768.0));
        if (echelle_ > 1.01) {
            QList<QWidget*> widgets = findChildren<QWidget*>();
            widgets.prepend(this);
            for (QWidget* w : widgets) {
                if (!w->testAttribute(Qt::WA_SetFont)) continue;
                QFont f = w->font();
                if (f.pixelSize() > 0) f.setPixelSize(qRound(f.pixelSize() * echelle_));
                else f.setPointSizeF(f.pointSizeF() * echelle_);
                w->setFont(f);
                if (auto* b = qobject_cast<QPushButton*>(w)) b->setMinimumHeight(qRound(44 * echelle_));
            }
        }
        premierAffichage_ = false;
    }
    const QString enseignant = Etat().EnseignantParametrage;
    charge(enseignant, NomsDossier::repertoireClasse(enseignant));
}

void TSuiviEleves::charge(const QString& enseignant, const QString& repertoireClasse) {
    // Nothing of the class shown before stays, whatever happens to this one.
    classe_ = Classe{};
    classe_.enseignant = enseignant;
    classe_.repertoire = repertoireClasse;
    titre_->setText(enseignant == QLatin1String("aucun") ? QStringLiteral("Suivi des élèves sans enseignant")
                                                         : QStringLiteral("Suivi des élèves de ") + enseignant);
    montreClasse(false);
    // What the answer journal keeps for the teacher (never told on a child's screen).
    Journal::ditALEnseignant(repertoireClasse);
    std::unique_ptr<MagasinJournal> magasin;
    QString manque;  // a damaged file: what could not be read of it
    const auto abime = [&] { magasin = Journal::ouvreAbime(enseignant, repertoireClasse, manque); };
    // The class list names the pupils who have not played yet, with no parameter file either.
    QStringList inscrits;
    const QString liste = repertoireClasse + NomsDossier::listeEleves(enseignant);
    try {
        if (FichierTexte::existe(liste)) inscrits = LignesDeListe(FichierTexte::litLignes(liste));
    } catch (const ErreurMarivelle& e) {
        Messages::information(e.message());
    }
    const OuvreMagasin autres = [&] { return Journal::ouvre(enseignant, repertoireClasse); };
    try {
        try {
            // A school server's store when there is one. Reading never makes a journal: a class
            // without one has no answers yet.
            if (Journal::aUnJournal(enseignant, repertoireClasse)) magasin = Journal::ouvre(enseignant, repertoireClasse);
            classe_ = Suivi::charge(enseignant, repertoireClasse, magasin.get(), Horloge::maintenant(), inscrits,
                                    manque.isEmpty() ? autres : OuvreMagasin());
        } catch (const ErreurJournal& e) {
            // A damaged file: read again, all of what can be read of it.
            if (e.echec() != EchecSql::PasUneBase || !manque.isEmpty()) throw;
            abime();
            classe_ = Suivi::charge(enseignant, repertoireClasse, magasin.get(), Horloge::maintenant(), inscrits);
        }
    } catch (const ErreurMarivelle& e) {
        montreClasse(false, e.message());
        return;
    }
    if (!manque.isEmpty()) Messages::information(manque);
    Suivi::reajuste(classe_);
    montreClasse(true);
}

void TSuiviEleves::montreClasse(bool lue, const QString& raison) {
    classeLue_ = lue;
    eleve_.clear();
    for (QWidget* w : std::as_const(actionsClasse_)) w->setEnabled(lue);
    etatLecture_->setText(raison.isEmpty() ? QString() : QStringLiteral("Cette classe n'a pas pu être lue. ") + raison);
    etatLecture_->setVisible(!raison.isEmpty());
    {
        const QSignalBlocker b(seuil_);
        seuil_->setValue(classe_.seuilMs / 1000.0);
    }
    {
        const QSignalBlocker b(reussiteVisee_);
        reussiteVisee_->setValue(classe_.reussiteVisee);
    }
    calibrage_->setText(lue ? Suivi::texteCalibrage(classe_.calibrage) : QString());
    remplitClasse();
    pages_->setCurrentIndex(0);
}

bool TSuiviEleves::eventFilter(QObject* cible, QEvent* evenement) {
    if (cible == tableau_->viewport() && evenement->type() == QEvent::Resize) ajusteColonnes();
    return Fenetre::eventFilter(cible, evenement);
}

// Each column as wide as its widest figure and the widest line of its heading, with room for the
// sort arrow; what is left of the table's width is shared out. No heading is cut, at any size.
void TSuiviEleves::ajusteColonnes() {
    QHeaderView* entete = tableau_->horizontalHeader();
    const QFontMetrics lettresEntete(entete->font()), lettres(tableau_->font());
    const int margeCase = 2 * (tableau_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 8;
    const int marge = 2 * tableau_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    const int fleche = lettresEntete.height();  // the sort arrow, in the sorted column
    QList<int> largeurs;
    int total = 0;
    for (int c = 0; c < tableau_->columnCount(); ++c) {
        int largeur = 0;
        for (const QString& ligne : Colonnes.value(c).split(QLatin1Char('\n')))
            largeur = std::max(largeur, lettresEntete.horizontalAdvance(ligne));
        largeur += marge + (c == entete->sortIndicatorSection() ? fleche : 0);
        for (int r = 0; r < tableau_->rowCount(); ++r)
            if (const QTableWidgetItem* i = tableau_->item(r, c))
                largeur = std::max(largeur, lettres.horizontalAdvance(i->text()) + margeCase);
        largeurs << largeur;
        total += largeur;
    }
    const int reste = std::max(0, tableau_->viewport()->width() - total);
    for (int c = 0; c < largeurs.size(); ++c)
        entete->resizeSection(c, largeurs[c] + reste * (c + 1) / int(largeurs.size()) - reste * c / int(largeurs.size()));
}

void TSuiviEleves::remplitClasse() {
    const QDate aujourdhui = classe_.maintenant.date();
    tableau_->setSortingEnabled(false);
    tableau_->setRowCount(int(classe_.eleves.size()));
    for (int r = 0; r < classe_.eleves.size(); ++r) {
        const LigneClasse l = Suivi::ligne(classe_.eleves[r], aujourdhui, classe_.seuilMs);
        const QDateTime derniere = QDateTime::fromMSecsSinceEpoch(l.derniereQuestion);
        auto* nom = new QTableWidgetItem(Suivi::nomAffiche(l.eleve));
        nom->setData(Qt::UserRole, l.eleve);
        tableau_->setItem(r, 0, nom);
        tableau_->setItem(r, 1,
                          new CaseNombre(l.derniereQuestion < 0 ? QStringLiteral("jamais")
                                                                : derniere.toString(QStringLiteral("dd/MM/yy HH:mm")),
                                         double(l.derniereQuestion)));
        const double valeurs[] = {double(l.exercicesSemaine), double(l.questionsSemaine), l.reussiteSemaine,
                                  l.reussiteQuatreAvant,      double(l.medianeMs),        double(l.comptes.automatiques),
                                  double(l.comptes.lentes),   double(l.comptes.aRevoir),  double(l.comptes.jamaisVues),
                                  double(l.dusAujourdhui)};
        const QString textes[] = {QString::number(l.exercicesSemaine),
                                  QString::number(l.questionsSemaine),
                                  pourcent(l.reussiteSemaine),
                                  pourcent(l.reussiteQuatreAvant),
                                  secondes(l.medianeMs),
                                  QString::number(l.comptes.automatiques),
                                  QString::number(l.comptes.lentes),
                                  QString::number(l.comptes.aRevoir),
                                  QString::number(l.comptes.jamaisVues),
                                  QString::number(l.dusAujourdhui)};
        for (int c = 0; c < 10; ++c) tableau_->setItem(r, c + 2, new CaseNombre(textes[c], valeurs[c]));
        if (l.rienDeConnu) tableau_->setItem(r, 10, new CaseNombre(QStringLiteral("toutes"), 1e9));
    }
    tableau_->setSortingEnabled(true);
    ajusteColonnes();
    tableau_->resizeRowsToContents();
    aider_->clear();
    for (const AideDuJour& a : Suivi::aAiderAujourdhui(classe_.eleves, classe_.seuilMs)) {
        QStringList raisons;
        if (a.baisse >= Suivi::BaisseNotable - 1e-9)
            raisons << QStringLiteral("réussite en baisse de %1 points").arg(qRound(a.baisse * 100));
        if (a.hausseARevoir > 0)
            raisons << QStringLiteral("%1 calcul%2 de plus à revoir").arg(a.hausseARevoir).arg(a.hausseARevoir > 1 ? "s" : "");
        QStringList faits;
        for (const Fait& f : a.faits) faits << f.texteLisible();
        auto* item = new QListWidgetItem(Suivi::nomAffiche(a.eleve) + QStringLiteral(" : ") + raisons.join(QStringLiteral(", ")) +
                                         QStringLiteral("\n") + faits.join(QStringLiteral(" ; ")));
        item->setData(Qt::UserRole, a.eleve);
        aider_->addItem(item);
    }
    if (aider_->count() == 0 && classeLue_) aider_->addItem(QStringLiteral("Personne ne recule en ce moment."));
}

const AnneeEleve* TSuiviEleves::eleveMontre() const {
    for (const AnneeEleve& b : classe_.eleves)
        if (b.eleve == eleve_) return &b;
    return nullptr;
}

void TSuiviEleves::montreEleve(const QString& eleve) {
    eleve_ = eleve;
    const AnneeEleve* b = eleveMontre();
    if (!b) return;
    nomEleve_->setText(eleve);  // with the class level, as registered
    for (GrilleFaits* g : grillesParOperation_) g->montre(b, classe_.seuilMs, classe_.maintenant.date());
    fragiles_->clear();
    for (const Fait& f : Suivi::faitsLesPlusFragiles(b->faits, classe_.seuilMs, 10)) {
        const StatFait s = b->faits.value(Suivi::cleFamille(f));
        fragiles_->addItem(QStringLiteral("%1 %2   (%3, %4)")
                               .arg(SymboleEtat(s.etat(classe_.seuilMs)), f.texteLisible(), NomEtat(s.etat(classe_.seuilMs)),
                                    secondes(s.mediane())));
    }
    if (fragiles_->count() == 0) fragiles_->addItem(QStringLiteral("Aucun calcul à revoir."));
    const int dus = b->revision.nombreDus();
    const auto premiers = [](const QList<PredictionFait>& faits) {
        QStringList l;
        for (qsizetype i = 0; i < std::min<qsizetype>(5, faits.size()); ++i) l << faits[i].fait.texteLisible();
        return l.join(QStringLiteral(" ; ")) + (faits.size() > 5 ? QStringLiteral(" …") : QString());
    };
    const int bientot = int(b->revision.bientot.size());
    revision_->setText((dus == 0 ? QStringLiteral("Révision : aucun calcul à revoir aujourd'hui.")
                                 : QStringLiteral("Révision : %1 calcul%2 à revoir aujourd'hui (%3).")
                                       .arg(dus)
                                       .arg(dus > 1 ? "s" : "")
                                       .arg(premiers(b->revision.dus))) +
                       (bientot == 0
                            ? QStringLiteral("\nCette semaine, aucun autre ne passera sous la réussite visée.")
                            : QStringLiteral("\nCette semaine, %1 autre%2 passer%3 sous la réussite visée (estimation) : %4.")
                                  .arg(bientot)
                                  .arg(bientot > 1 ? "s" : "")
                                  .arg(bientot > 1 ? "ont" : "a")
                                  .arg(premiers(b->revision.bientot))));
    const auto annee = Suivi::semainesDeLAnnee(*b, classe_.maintenant.date());
    courbe(reussite_, annee, true, echelle_);
    courbe(temps_, annee, false, echelle_);
    pages_->setCurrentIndex(1);
}

void TSuiviEleves::seuilChange(double secondes) {
    if (!classeLue_) return;
    classe_.seuilMs = qRound(secondes * 1000);
    Revision::ecritSeuil(classe_.repertoire, classe_.seuilMs);
    remplitClasse();
    if (pages_->currentIndex() == 1) montreEleve(eleve_);
}

void TSuiviEleves::reussiteViseeChange(int pourcent) {
    if (!classeLue_) return;
    classe_.reussiteVisee = pourcent;
    Revision::ecritReussiteVisee(classe_.repertoire, pourcent);
    Suivi::revise(classe_);
    remplitClasse();
    if (pages_->currentIndex() == 1) montreEleve(eleve_);
}

void TSuiviEleves::enregistrePdf(const QString& chemin) {
    if (const AnneeEleve* b = eleveMontre()) RapportFamille::enregistrePdf(chemin, {rapport(classe_, *b, mots_)});
}

bool TSuiviEleves::enregistreRapportsClasse(const QString& chemin) {
    QList<RapportFamille::Contenu> contenus;
    for (const AnneeEleve& b : classe_.eleves) contenus << rapport(classe_, b, mots_);
    return TravailEnFond::execute(this, QStringLiteral("Préparation des bilans de la classe…"),
                                  [&](Avancement& avancement) { RapportFamille::enregistrePdf(chemin, contenus, &avancement); });
}

void TSuiviEleves::exporteCsv(const QString& chemin) {
    QList<LigneClasse> lignes;
    for (const AnneeEleve& b : classe_.eleves) lignes << Suivi::ligne(b, classe_.maintenant.date(), classe_.seuilMs);
    FichierTexte::remplaceOctetsAilleurs(chemin, Suivi::csvClasse(lignes));
}

void TSuiviEleves::RetourClick() {
    const Passage passage(this);
    hide();
    Ecrans::montre(Ecrans::Role::SaisieIdentifiant);
}
