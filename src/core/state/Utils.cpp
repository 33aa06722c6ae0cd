#include "core/state/Utils.h"

#include "core/platform/FichierTexte.h"
#include "core/platform/Nombres.h"
#include "core/state/SharedState.h"

#include <QComboBox>
#include <QListWidget>
#include <QWidget>

void InitialiseParametres(SharedState& e) {
    e.NombreDeQuestions = 10;
    e.TempsDeReponse = 0;
    e.AvecPirate = e.SauvegardeBase = e.SauvegardeTableur = e.SauvegardeTexte = false;
    e.BandeNumerique = 10;
    e.Retroaction = 0;
    e.TypeAide = 1;
    e.CasDoublesCarres = e.CasSuccesseurs = false;
    e.OptionTableDansOrdre = e.OptionGrandeOperandeAGauche = e.OptionNombresRelatifs = false;
    e.TypeExercice = 0;
    e.Tables.fill(-1);
    e.Tables[0] = 0;
    e.Tables[1] = 1;
    e.DernierIndiceTables = 1;
}

bool EstUnNombre(SharedState&, const QString& texte) { return Nombres::lit(texte).has_value(); }

void CentreHorizontalement(SharedState&, QWidget* reference, QWidget* controle) {
    // Integer division truncates toward zero, as the design wants for odd differences.
    controle->move(reference->x() + (reference->width() - controle->width()) / 2, controle->y());
}

QStringList LignesDeListe(const QStringList& lignes) {
    QStringList gardees;
    for (const QString& l : lignes)
        if (!l.startsWith(QLatin1Char('-')) && !l.startsWith(QLatin1Char('>'))) gardees << l;
    return gardees;
}

void RemplitComboDepuisFichier(SharedState&, const QString& fichier, QComboBox* liste) {
    const QStringList lignes = LignesDeListe(FichierTexte::litLignes(fichier));
    liste->clear();
    liste->addItems(lignes);
}

void RemplitListeDepuisFichier(SharedState&, const QString& fichier, QListWidget* liste) {
    const QStringList lignes = LignesDeListe(FichierTexte::litLignes(fichier));
    liste->clear();
    if (liste->objectName() == QLatin1String("lb_nom_ens_param"))
        liste->addItem(QStringLiteral("Enseignant non inscrit"));
    else if (liste->objectName() == QLatin1String("lb_nom_eleve"))
        liste->addItem(QStringLiteral("Elève non inscrit"));
    liste->addItems(lignes);
}

void RemplitElevesAParametrer(SharedState&, const QString& fichier, QListWidget* liste) {
    const QStringList lignes = LignesDeListe(FichierTexte::litLignes(fichier));
    liste->clear();
    auto* defaut = new QListWidgetItem(QStringLiteral("Paramétrage par défaut"), liste);
    defaut->setFlags(defaut->flags() | Qt::ItemIsUserCheckable);
    defaut->setCheckState(Qt::Unchecked);
    for (const QString& l : lignes) {
        auto* item = new QListWidgetItem(l, liste);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

QString RepertoireDeClasse(const QString& enseignant) {
    return enseignant == QLatin1String("aucun") ? QStringLiteral("classe sans enseignant/")
                                                : QStringLiteral("classe de ") + enseignant + QLatin1Char('/');
}

QString FichierParametrageEleve(const SharedState& e) {
    return e.RepertoireClasse + QStringLiteral("parametrage_") + e.NomEleve + QStringLiteral("_de_") +
           e.NomEnseignant + QStringLiteral(".txt");
}

QString FichierProfilEleve(const SharedState& e) {
    return e.RepertoireClasse + QStringLiteral("profil_") + e.NomEleve + QStringLiteral("_de_") +
           e.NomEnseignant + QStringLiteral(".txt");
}
