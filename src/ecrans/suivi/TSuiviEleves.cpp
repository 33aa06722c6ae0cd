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
#include "logique/suivi/ClasseEnBref.h"
#include "logique/suivi/Courbes.h"
#include "logique/suivi/PageEleve.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "ecrans/suivi/CouleursSuivi.h"
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
#include <QRegularExpression>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QScatterSeries>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>

namespace {
// A cell that sorts by a value of its own: a figure, or a name's rank A→Z.
class CaseNombre final : public QTableWidgetItem {
public:
    CaseNombre(const QString& texte, double valeur, Qt::Alignment alignement = Qt::AlignCenter) : QTableWidgetItem(texte) {
        setData(Qt::UserRole + 1, valeur);
        setTextAlignment(alignement);
    }
    bool operator<(const QTableWidgetItem& autre) const override {
        return data(Qt::UserRole + 1).toDouble() < autre.data(Qt::UserRole + 1).toDouble();
    }
};

QString secondes(int ms) { return ms < 0 ? QStringLiteral("–") : FormatFr::secondes(ms); }

QPushButton* bouton(const QString& nom, const QString& texte) {
    auto* b = new QPushButton(texte);
    b->setObjectName(nom);
    b->setMinimumHeight(44);
    return b;
}

QLabel* titreDeBloc(const QString& texte, int pixels = 18) {
    auto* l = new QLabel(texte);
    l->setFont(Apparence::arial(pixels, true));
    l->setWordWrap(true);
    return l;
}

// A read-only text that wraps and scrolls, for lists of any length: its height is what the
// layout gives it, not what its text would like.
QTextBrowser* texteDefilant(const QString& nom) {
    auto* t = new QTextBrowser;
    t->setObjectName(nom);
    t->setOpenLinks(false);
    t->setFrameShape(QFrame::NoFrame);
    t->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    return t;
}

// The sort arrow points up when the column runs from the smallest (A→Z), as the teacher's other
// programs show it; Qt's styles draw it the other way round.
class FlecheDeTri final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* p, const QWidget* w) const override {
        if (const auto* entete = qstyleoption_cast<const QStyleOptionHeader*>(option);
            entete && element == PE_IndicatorHeaderArrow) {
            QStyleOptionHeader inverse(*entete);
            inverse.sortIndicator = entete->sortIndicator == QStyleOptionHeader::SortUp ? QStyleOptionHeader::SortDown
                                                                                        : QStyleOptionHeader::SortUp;
            QProxyStyle::drawPrimitive(element, &inverse, p, w);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, p, w);
    }
};

// Headings broken only between words; each is explained on hover (colonnes()).
const QStringList Colonnes = {QStringLiteral("Élève"),
                              QStringLiteral("Dernière\nconnexion"),
                              QStringLiteral("Exercices\ncette\nsemaine"),
                              QStringLiteral("Questions\ncette\nsemaine"),
                              QStringLiteral("Réussite\ncette\nsemaine"),
                              QStringLiteral("Réussite\nles 4\nsemaines\nd'avant"),
                              QStringLiteral("Temps\nmédian"),
                              QStringLiteral("✓\nAutomatiques"),
                              QStringLiteral("~ Justes\nmais\nlentes"),
                              QStringLiteral("✗ À\nrevoir"),
                              QStringLiteral("·\nJamais\nvues"),
                              QStringLiteral("Dus\naujourd'hui")};
constexpr int ColonneNom = 0, ColonneReussite = 4, ColonneReussiteAvant = 5;

RapportFamille::Contenu rapport(const Classe& classe, const AnneeEleve& b, const QHash<QString, QString>& mots) {
    return {&b, classe.enseignant, classe.maintenant.date(), classe.seuilMs, mots.value(b.eleve)};
}

// A name in lines of whole words (a compound name may break after its hyphen), at most two; what
// does not fit ends in "…" after the last whole word that does.
QString nomEnLignes(const QFontMetrics& lettres, const QString& nom, int largeur) {
    QStringList morceaux;  // each ends with the space or hyphen that may end a line
    QString morceau;
    for (const QChar c : nom) {
        morceau += c;
        if (c == QLatin1Char(' ') || c == QLatin1Char('-')) morceaux << std::exchange(morceau, QString());
    }
    if (!morceau.isEmpty()) morceaux << morceau;
    const auto tient = [&](const QString& ligne) { return lettres.horizontalAdvance(ligne.trimmed()) <= largeur; };
    QStringList lignes{QString()};
    for (qsizetype i = 0; i < morceaux.size(); ++i) {
        if (tient(lignes.last() + morceaux[i])) {
            lignes.last() += morceaux[i];
            continue;
        }
        if (lignes.size() < 2 && !lignes.last().isEmpty() && tient(morceaux[i])) {
            lignes << morceaux[i];
            continue;
        }
        // The rest does not fit: whole words are dropped until "…" does.
        QString& ligne = lignes.last();
        while (!ligne.isEmpty() && !tient(ligne.trimmed() + QStringLiteral("…"))) {
            ligne.chop(1);
            while (!ligne.isEmpty() && !ligne.endsWith(QLatin1Char(' ')) && !ligne.endsWith(QLatin1Char('-'))) ligne.chop(1);
        }
        ligne = ligne.trimmed() + QStringLiteral("…");
        break;
    }
    for (QString& l : lignes) l = l.trimmed();
    return lignes.join(QLatin1Char('\n'));
}

// The chart: its lines, cut where a week has no answer, and its axes written in French.
// The chart and its two axes, made once: axes taken out of a chart and put back leave their
// former labels drawn behind the new ones.
QChartView* graphique(const QString& nom) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(0, 0, 0, 0));
    for (const Qt::Alignment cote : {Qt::AlignBottom, Qt::AlignLeft}) {
        auto* axe = new QCategoryAxis;
        axe->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        chart->addAxis(axe, cote);
    }
    chart->axes(Qt::Horizontal).value(0)->setTitleText(QStringLiteral("lundi de chaque semaine"));
    auto* vue = new QChartView(chart);
    vue->setObjectName(nom);
    vue->setRenderHint(QPainter::Antialiasing);
    vue->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    return vue;
}

// The chart's lines, cut where a week has no answer, and its axes written in French.
void courbe(QChartView* vue, const QList<Semaine>& semaines, bool pourcentage, double k) {
    QChart* chart = vue->chart();
    chart->removeAllSeries();
    const QFont lettres = Apparence::arial(qRound(13 * k));
    QList<QAbstractSeries*> series;
    auto* points = new QScatterSeries;
    points->setMarkerSize(8 * k);
    points->setColor(Apparence::SuiviCourbe);
    points->setBorderColor(Apparence::SuiviCourbe);
    double plus = 0;
    for (const QList<PointCourbe>& troncon : Suivi::troncons(semaines, pourcentage)) {
        auto* ligne = new QLineSeries;
        ligne->setPen(QPen(Apparence::SuiviCourbe, 2.5 * k));
        for (const PointCourbe& p : troncon) {
            ligne->append(p.semaine, p.valeur);
            points->append(p.semaine, p.valeur);
            plus = std::max(plus, p.valeur);
        }
        series << ligne;
    }
    series << points;
    // A date every few weeks, as many as the plot's width holds without cutting one: the view
    // less the values' labels on the left and the chart's margins.
    const AxeCourbe valeurs = pourcentage ? Suivi::axeReussite() : Suivi::axeTemps(plus);
    const QFontMetrics mesure(lettres);
    int largeurValeurs = 0;
    for (const Graduation& g : valeurs.graduations) largeurValeurs = std::max(largeurValeurs, mesure.horizontalAdvance(g.texte));
    const int largeurDate = mesure.horizontalAdvance(QStringLiteral("30 sept.")) + mesure.horizontalAdvance(QStringLiteral("mm"));
    const double trace = vue->width() - largeurValeurs - 4 * mesure.height();
    const double parSemaine = std::max(1.0, trace) / std::max<qsizetype>(1, semaines.size());
    const int pas = std::max(1, int(std::ceil(largeurDate / parSemaine)));
    const std::pair<Qt::Orientation, AxeCourbe> axes[] = {{Qt::Horizontal, Suivi::axeSemaines(semaines, pas)},
                                                          {Qt::Vertical, valeurs}};
    for (const auto& [orientation, a] : axes) {
        auto* axe = static_cast<QCategoryAxis*>(chart->axes(orientation).value(0));
        for (const QString& ancienne : axe->categoriesLabels()) axe->remove(ancienne);
        axe->setStartValue(a.min);
        axe->setRange(a.min, a.max);
        for (const Graduation& g : a.graduations) axe->append(g.texte, g.valeur);
        axe->setLabelsFont(lettres);
        axe->setTitleFont(lettres);
    }
    for (QAbstractSeries* s : std::as_const(series)) {
        chart->addSeries(s);
        for (QAbstractAxis* axe : chart->axes()) s->attachAxis(axe);
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

    // The class: its table over the whole width, the legend, then what concerns the class as a whole.
    auto* pageClasse = new QWidget;
    auto* lc = new QVBoxLayout(pageClasse);
    tableau_ = new QTableWidget(0, Colonnes.size());
    tableau_->setObjectName(QStringLiteral("TableauClasse"));
    tableau_->setHorizontalHeaderLabels(Colonnes);
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableau_->verticalHeader()->hide();
    tableau_->setWordWrap(true);
    tableau_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // every column is given its width (ajusteColonnes)
    // The headings as large as the figures; A→Z by name on opening.
    tableau_->setFont(Apparence::arial(15));
    tableau_->horizontalHeader()->setFont(Apparence::arial(15));
    tableau_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau_->horizontalHeader()->setSortIndicator(ColonneNom, Qt::AscendingOrder);
    auto* fleche = new FlecheDeTri;  // over the application's style, whichever it is
    fleche->setParent(tableau_->horizontalHeader());
    tableau_->horizontalHeader()->setStyle(fleche);
    tableau_->setSortingEnabled(true);
    tableau_->viewport()->installEventFilter(this);
    connect(tableau_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this] { ajusteColonnes(); });
    lc->addWidget(tableau_, 2);
    legendeClasse_ = new QLabel;
    legendeClasse_->setObjectName(QStringLiteral("LegendeClasse"));
    legendeClasse_->setWordWrap(true);
    legendeClasse_->setFont(Apparence::arial(14));
    lc->addWidget(legendeClasse_);
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
    basClasse->addWidget(new QLabel(QStringLiteral("Réussite visée :")));
    basClasse->addWidget(reussiteVisee_);
    lc->addLayout(basClasse);
    auto* bande = new QHBoxLayout;
    auto* aide = new QVBoxLayout;
    aide->addWidget(titreDeBloc(QStringLiteral("À aider aujourd'hui")));
    aider_ = texteDefilant(QStringLiteral("AAider"));
    aide->addWidget(aider_, 1);
    bande->addLayout(aide, 1);
    auto* ensemble = new QVBoxLayout;
    ensemble->addWidget(titreDeBloc(QStringLiteral("La classe cette semaine")));
    tendance_ = new QLabel;
    tendance_->setObjectName(QStringLiteral("Tendance"));
    tendance_->setWordWrap(true);
    ensemble->addWidget(tendance_);
    auto* titreCalibrage = new QLabel(QStringLiteral("Les estimations du modèle de mémoire, ces quatre dernières semaines :"));
    titreCalibrage->setWordWrap(true);
    ensemble->addWidget(titreCalibrage);
    calibrage_ = new QLabel;
    calibrage_->setObjectName(QStringLiteral("Calibrage"));
    calibrage_->setWordWrap(true);
    ensemble->addWidget(calibrage_);
    ensemble->addStretch();
    bande->addLayout(ensemble, 1);
    auto* difficiles = new QVBoxLayout;
    difficiles->addWidget(titreDeBloc(QStringLiteral("Les calculs les plus difficiles pour la classe")));
    difficiles_ = texteDefilant(QStringLiteral("Difficiles"));
    difficiles_->setToolTip(QStringLiteral("Les moins souvent justes du premier coup ces quatre dernières semaines, parmi ceux "
                                           "auxquels au moins %1 élèves ont répondu %2 fois en tout.")
                                .arg(Suivi::DifficilesElevesMin)
                                .arg(Suivi::DifficilesReponsesMin));
    difficiles->addWidget(difficiles_, 1);
    bande->addLayout(difficiles, 1);
    lc->addLayout(bande, 1);
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
    milieu->addWidget(grilles_, 1);
    auto* cote = new QVBoxLayout;
    const auto carre = [](EtatFait e) {
        return QStringLiteral("<span style='background:%1'>&nbsp;%2&nbsp;</span>")
            .arg(CouleursSuivi::etat(e).name(), SymboleEtat(e).toHtmlEscaped());
    };
    auto* legende = new QLabel(
        QStringLiteral(
            "%1 automatique &nbsp; %2 juste mais lente &nbsp; %3 à revoir &nbsp; %4 jamais vue "
            "(par ses trois dernières réponses), ≈ estimée par le test de départ<br>Au survol, la réussite estimée : solide "
            "(au moins la réussite visée), fragile (au moins 60 %), à reprendre")
            .arg(carre(EtatFait::Automatique), carre(EtatFait::JusteLent), carre(EtatFait::ARevoir), carre(EtatFait::JamaisVu)));
    legende->setObjectName(QStringLiteral("Legende"));
    legende->setWordWrap(true);
    legende->setFont(Apparence::arial(14));
    cote->addWidget(legende);
    detail_ = new QLabel(QStringLiteral("Un clic sur une case donne le détail."));
    detail_->setObjectName(QStringLiteral("Detail"));
    detail_->setWordWrap(true);
    detail_->setMinimumHeight(70);
    cote->addWidget(detail_);
    cote->addWidget(titreDeBloc(QStringLiteral("À travailler, d'après les trois dernières réponses")));
    fragiles_ = new QListWidget;
    fragiles_->setObjectName(QStringLiteral("Fragiles"));
    fragiles_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    cote->addWidget(fragiles_, 1);
    cote->addWidget(titreDeBloc(QStringLiteral("Révision, d'après le modèle de mémoire")));
    revision_ = texteDefilant(QStringLiteral("Revision"));
    cote->addWidget(revision_, 1);
    milieu->addLayout(cote, 1);
    le->addLayout(milieu, 2);
    auto* courbes = new QHBoxLayout;
    for (auto [vue, nom, titre] : {std::tuple{&reussite_, "CourbeReussite", "Réussite du premier coup, par semaine"},
                                   {&temps_, "CourbeTemps", "Temps médian d'une réponse juste, par semaine"}}) {
        auto* colonne = new QVBoxLayout;
        colonne->addWidget(titreDeBloc(QString::fromUtf8(titre), 15));
        *vue = graphique(QString::fromLatin1(nom));
        (*vue)->installEventFilter(this);
        colonne->addWidget(*vue, 1);
        courbes->addLayout(colonne);
    }
    le->addLayout(courbes, 1);
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
    connect(aider_, &QTextBrowser::anchorClicked, this, [this](const QUrl& lien) {
        const QString eleve = classe_.eleves.value(lien.path().toInt()).eleve;
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
    // A class opens A→Z, whatever order the class shown before was left in.
    tableau_->horizontalHeader()->setSortIndicator(ColonneNom, Qt::AscendingOrder);
    remplitClasse();
    pages_->setCurrentIndex(0);
}

bool TSuiviEleves::eventFilter(QObject* cible, QEvent* evenement) {
    if (evenement->type() == QEvent::Resize) {
        if (cible == tableau_->viewport()) ajusteColonnes();
        if ((cible == reussite_ || cible == temps_) && !semaines_.isEmpty()) dessineCourbes();
    }
    return Fenetre::eventFilter(cible, evenement);
}

// Each column but the names' as wide as its widest figure and the widest line of its heading,
// with room for the sort arrow; the names take what is left, at least their longest word, and
// break between words (or end in "…" after a whole word) when they need more. What is left
// beyond is shared out. No heading is cut and nothing hides behind a scroll bar at 1024 × 768.
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
        for (int r = 0; r < tableau_->rowCount(); ++r) {
            const QTableWidgetItem* i = tableau_->item(r, c);
            if (!i) continue;
            // The names by their longest word: a name may take several lines.
            const QStringList mots = c == ColonneNom ? i->toolTip().split(QRegularExpression(QStringLiteral("[ -]")))
                                                     : QStringList{i->text()};
            for (const QString& mot : mots)
                largeur = std::max(largeur, lettres.horizontalAdvance(mot + QLatin1Char('-')) + margeCase);
        }
        largeurs << largeur;
        total += largeur;
    }
    const int place = tableau_->viewport()->width();
    // The names on one line when there is room for it.
    int nomEntier = largeurs[ColonneNom];
    for (int r = 0; r < tableau_->rowCount(); ++r)
        if (const QTableWidgetItem* i = tableau_->item(r, ColonneNom))
            nomEntier = std::max(nomEntier, lettres.horizontalAdvance(i->toolTip()) + margeCase);
    const int pourLesNoms = std::clamp(place - (total - largeurs[ColonneNom]), largeurs[ColonneNom], nomEntier);
    total += pourLesNoms - largeurs[ColonneNom];
    largeurs[ColonneNom] = pourLesNoms;
    // When even the longest words do not fit, the names give up what is missing and end in "…".
    if (total > place)
        largeurs[ColonneNom] = std::max(lettresEntete.horizontalAdvance(Colonnes[0]) + marge + fleche,
                                        largeurs[ColonneNom] - (total - place));
    const int reste = std::max(0, place - total);
    for (int c = 0; c < largeurs.size(); ++c)
        entete->resizeSection(c, largeurs[c] + reste * (c + 1) / int(largeurs.size()) - reste * c / int(largeurs.size()));
    for (int r = 0; r < tableau_->rowCount(); ++r)
        if (QTableWidgetItem* i = tableau_->item(r, ColonneNom))
            i->setText(nomEnLignes(lettres, i->toolTip(), entete->sectionSize(ColonneNom) - margeCase));
    tableau_->resizeRowsToContents();
}

void TSuiviEleves::remplitClasse() {
    const QDate aujourdhui = classe_.maintenant.date();
    const double cible = classe_.reussiteVisee / 100.0;
    tableau_->setSortingEnabled(false);
    tableau_->setRowCount(int(classe_.eleves.size()));
    for (int r = 0; r < classe_.eleves.size(); ++r) {
        const LigneClasse l = Suivi::ligne(classe_.eleves[r], aujourdhui, classe_.seuilMs);
        const QDateTime derniere = QDateTime::fromMSecsSinceEpoch(l.derniereQuestion);
        // The pupils are A→Z in the class: their rank sorts the names.
        auto* nom = new CaseNombre(Suivi::nomAffiche(l.eleve), r, Qt::AlignLeft | Qt::AlignVCenter);
        nom->setData(Qt::UserRole, l.eleve);
        nom->setToolTip(Suivi::nomAffiche(l.eleve));  // whole, when the cell shortens it
        tableau_->setItem(r, ColonneNom, nom);
        tableau_->setItem(r, 1,
                          new CaseNombre(l.derniereQuestion < 0 ? QStringLiteral("jamais")
                                                                : FormatFr::insecable(FormatFr::jourMois(derniere.date())) +
                                                                      QLatin1Char(' ') + FormatFr::heureCourte(derniere.time()),
                                         double(l.derniereQuestion)));
        const double valeurs[] = {double(l.exercicesSemaine), double(l.questionsSemaine), l.reussiteSemaine,
                                  l.reussiteQuatreAvant,      double(l.medianeMs),        double(l.comptes.automatiques),
                                  double(l.comptes.lentes),   double(l.comptes.aRevoir),  double(l.comptes.jamaisVues),
                                  double(l.dusAujourdhui)};
        const QString textes[] = {QString::number(l.exercicesSemaine),
                                  QString::number(l.questionsSemaine),
                                  Suivi::texteReussite(l.reussiteSemaine, cible),
                                  Suivi::texteReussite(l.reussiteQuatreAvant, cible),
                                  secondes(l.medianeMs),
                                  QString::number(l.comptes.automatiques),
                                  QString::number(l.comptes.lentes),
                                  QString::number(l.comptes.aRevoir),
                                  QString::number(l.comptes.jamaisVues),
                                  QString::number(l.dusAujourdhui)};
        for (int c = 0; c < 10; ++c) {
            auto* i = new CaseNombre(textes[c], valeurs[c]);
            // A success by its colour as well as by its symbol.
            if ((c + 2 == ColonneReussite || c + 2 == ColonneReussiteAvant) && valeurs[c] >= 0) {
                i->setBackground(CouleursSuivi::niveau(Suivi::niveauReussite(valeurs[c], cible)));
                i->setForeground(QColor(Qt::black));
            }
            tableau_->setItem(r, c + 2, i);
        }
        if (l.rienDeConnu) tableau_->setItem(r, 10, new CaseNombre(QStringLiteral("toutes"), 1e9));
    }
    tableau_->setSortingEnabled(true);
    ajusteColonnes();
    expliqueColonnes();
    remplitAAider();
    tendance_->setText(classeLue_ ? Suivi::texteTendance(Suivi::tendance(classe_.eleves, aujourdhui)).join(QLatin1Char('\n'))
                                  : QString());
    QStringList difficiles;
    for (const FaitDifficile& d : Suivi::faitsLesPlusDifficiles(classe_.eleves, classe_.maintenant.toMSecsSinceEpoch()))
        difficiles << Suivi::texteDifficile(d);
    if (difficiles.isEmpty() && classeLue_)
        difficiles << QStringLiteral("Pas encore assez de réponses : un calcul compte ici quand au moins %1 élèves y ont "
                                     "répondu %2 fois en tout.")
                          .arg(Suivi::DifficilesElevesMin)
                          .arg(Suivi::DifficilesReponsesMin);
    difficiles_->setPlainText(difficiles.join(QLatin1Char('\n')));
}

void TSuiviEleves::expliqueColonnes() {
    const QString seuil = FormatFr::secondes(classe_.seuilMs), visee = FormatFr::pourcent(classe_.reussiteVisee / 100.0);
    const QString reussite = QStringLiteral("Part des réponses justes du premier coup %1 : ✓ au moins %2 (la réussite visée), "
                                            "~ au moins 60 %, ✗ moins de 60 %.");
    const QStringList explications = {
        QStringLiteral("Le nom de l'élève. Un double clic ouvre sa page."),
        QStringLiteral("Le jour et l'heure de sa dernière réponse."),
        QStringLiteral("Les exercices faits depuis lundi."),
        QStringLiteral("Les questions répondues depuis lundi, tous exercices confondus."),
        reussite.arg(QStringLiteral("depuis lundi"), visee),
        reussite.arg(QStringLiteral("pendant les quatre semaines d'avant, ensemble"), visee),
        QStringLiteral("Le temps médian d'une réponse juste, sur ces cinq semaines."),
        QStringLiteral("Les calculs de ses tables justes du premier coup aux trois dernières questions, en %1 au plus.")
            .arg(seuil),
        QStringLiteral("Les calculs de ses tables justes du premier coup, mais en plus de %1 ou pas encore trois fois.")
            .arg(seuil),
        QStringLiteral("Les calculs de ses tables manqués au moins une fois dans les trois dernières questions."),
        QStringLiteral("Les calculs de ses tables jamais demandés."),
        QStringLiteral("Les calculs que la révision lui proposera aujourd'hui : ceux dont la réussite estimée par le modèle "
                       "de mémoire est sous %1 (la réussite visée).")
            .arg(visee)};
    for (int c = 0; c < explications.size(); ++c)
        if (QTableWidgetItem* i = tableau_->horizontalHeaderItem(c)) i->setToolTip(explications[c]);
    const auto carre = [](Revision::Niveau n) {
        return QStringLiteral("<span style='background:%1'>&nbsp;%2&nbsp;</span>")
            .arg(CouleursSuivi::niveau(n).name(), Suivi::symboleNiveau(n).toHtmlEscaped());
    };
    legendeClasse_->setText(
        QStringLiteral("<b>Réussite</b> (juste du premier coup) : %1 au moins %2 (la réussite visée), %3 au moins 60&nbsp;%, "
                       "%4 moins de 60&nbsp;%. <b>Automatiques</b> : justes du premier coup aux trois dernières questions, en "
                       "%5 au plus ; <b>à revoir</b> : une erreur parmi ces trois. <b>Dus aujourd'hui</b> : les calculs "
                       "que la révision proposera aujourd'hui (réussite estimée sous %2). Chaque titre s'explique au "
                       "survol.")
            .arg(carre(Revision::Niveau::Solide), visee.toHtmlEscaped(), carre(Revision::Niveau::Fragile),
                 carre(Revision::Niveau::AReprendre), seuil.toHtmlEscaped()));
}

void TSuiviEleves::remplitAAider() {
    // Each fact whole on its line: its spaces and the one before ";" do not break.
    QString html;
    for (const AideDuJour& a : Suivi::aAiderAujourdhui(classe_.eleves, classe_.seuilMs)) {
        QStringList raisons;
        if (a.baisse >= Suivi::BaisseNotable - 1e-9)
            raisons << QStringLiteral("réussite en baisse de %1 points").arg(qRound(a.baisse * 100));
        if (a.hausseARevoir > 0)
            raisons << QStringLiteral("%1 calcul%2 de plus à revoir").arg(a.hausseARevoir).arg(a.hausseARevoir > 1 ? "s" : "");
        QStringList faits;
        for (const Fait& f : a.faits) faits << FormatFr::insecable(f.texteLisible()).toHtmlEscaped();
        qsizetype rang = 0;
        while (rang < classe_.eleves.size() && classe_.eleves[rang].eleve != a.eleve) ++rang;
        html += QStringLiteral("<p><a href='eleve:%1'><b>%2</b></a> : %3<br>%4</p>")
                    .arg(rang)
                    .arg(Suivi::nomAffiche(a.eleve).toHtmlEscaped(), raisons.join(QStringLiteral(", ")),
                         FormatFr::pointsVirgules(faits));
    }
    if (html.isEmpty() && classeLue_) html = QStringLiteral("<p>Personne ne recule en ce moment.</p>");
    aider_->setHtml(html);
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
    faitsParSens_ = Suivi::faitsParSens(b->reponses, classe_.maintenant.toMSecsSinceEpoch());
    for (GrilleFaits* g : grillesParOperation_) g->montre(b, &faitsParSens_, classe_.seuilMs);
    // The pupil's own operations, the one worked last first; all four for a pupil with none.
    const QList<Operation> siennes = Suivi::operationsDeLEleve(*b);
    for (int o = 0; o < grilles_->count(); ++o) grilles_->setTabVisible(o, siennes.isEmpty() || siennes.contains(Operation(o)));
    grilles_->setCurrentIndex(siennes.isEmpty() ? 0 : int(siennes.first()));
    detail_->setText(QStringLiteral("Un clic sur une case donne le détail."));
    fragiles_->clear();
    for (const Fait& f : Suivi::faitsLesPlusFragiles(faitsParSens_, classe_.seuilMs, 10))
        fragiles_->addItem(Suivi::texteATravailler(faitsParSens_.value(Suivi::cleSens(f)), classe_.seuilMs));
    if (fragiles_->count() == 0) fragiles_->addItem(QStringLiteral("Aucun calcul à revoir ni lent."));
    const QString departs = Suivi::texteDeparts(b->departs);
    revision_->setPlainText((departs.isEmpty() ? QString() : departs + QLatin1Char('\n')) + Suivi::texteRevision(b->revision));
    semaines_ = Suivi::semainesDeLAnnee(*b, classe_.maintenant.date());
    pages_->setCurrentIndex(1);
    dessineCourbes();
}

void TSuiviEleves::dessineCourbes() {
    courbe(reussite_, semaines_, true, echelle_);
    courbe(temps_, semaines_, false, echelle_);
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
