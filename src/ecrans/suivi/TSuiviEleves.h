#pragma once
// The teacher's progress view: the class table (sortable), who needs help today, one pupil's
// grids, facts most in need and weekly charts, the family report and the class export. It reads
// the journal and the parameter files; it writes only the class threshold and success aimed at. It shows one class or
// none: a class that cannot be read shows its name and why, and nothing can be changed or
// exported until a class is read.
#include "ecrans/commun/Fenetre.h"
#include "logique/suivi/SuiviClasse.h"

class GrilleFaits;
class QChartView;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTabWidget;
class QTextBrowser;

class TSuiviEleves final : public Fenetre {
    Q_OBJECT
public:
    TSuiviEleves();
    // Reads the class of the teacher chosen on the identification screen.
    void charge(const QString& enseignant, const QString& repertoireClasse);
    void montreEleve(const QString& eleve);
    void RetourClick();
    void enregistrePdf(const QString& chemin);
    // Every pupil's report, a page each, written off the screen's thread; false when cancelled.
    bool enregistreRapportsClasse(const QString& chemin);
    void exporteCsv(const QString& chemin);

protected:
    void FormShow() override;
    bool eventFilter(QObject* cible, QEvent* evenement) override;

private:
    void creeControles();
    void ajusteColonnes();
    void remplitClasse();
    // The explanations of the columns and the legend, which name the class's threshold and aim.
    void expliqueColonnes();
    void remplitAAider();
    void dessineCourbes();
    void seuilChange(double secondes);
    void reussiteViseeChange(int pourcent);
    // Shows `classe_`; only a class `lue` may have its threshold changed, be exported or printed.
    // `raison`: why it could not be read.
    void montreClasse(bool lue, const QString& raison = {});
    const AnneeEleve* eleveMontre() const;

    bool premierAffichage_ = true;
    double echelle_ = 1.0;  // text size against 1024 × 768
    Classe classe_;
    bool classeLue_ = false;
    QString eleve_;
    QStackedWidget* pages_ = nullptr;
    QLabel* titre_ = nullptr;
    QLabel* etatLecture_ = nullptr;  // why the class could not be read
    QList<QWidget*> actionsClasse_;  // what acts on the class read: off until one is
    QTableWidget* tableau_ = nullptr;
    QLabel* legendeClasse_ = nullptr;
    QTextBrowser* aider_ = nullptr;
    QLabel* tendance_ = nullptr;
    QTextBrowser* difficiles_ = nullptr;
    QDoubleSpinBox* seuil_ = nullptr;
    QSpinBox* reussiteVisee_ = nullptr;
    QLabel* calibrage_ = nullptr;
    QLabel* nomEleve_ = nullptr;
    QTabWidget* grilles_ = nullptr;
    QList<GrilleFaits*> grillesParOperation_;
    QLabel* detail_ = nullptr;
    QListWidget* fragiles_ = nullptr;
    QTextBrowser* revision_ = nullptr;
    StatsFaits faitsParSens_;  // the pupil shown's facts, each by its own key
    QList<Semaine> semaines_;  // the pupil shown's weeks of the school year
    QChartView* reussite_ = nullptr;
    QChartView* temps_ = nullptr;
    QHash<QString, QString> mots_;  // the teacher's word for each pupil's report, while the program runs
};
