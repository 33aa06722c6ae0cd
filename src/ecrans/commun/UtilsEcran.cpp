#include "ecrans/commun/UtilsEcran.h"

#include "logique/base/FichierTexte.h"
#include "logique/etat/Utils.h"

#include <QComboBox>
#include <QListWidget>
#include <QWidget>

void CentreHorizontalement(SharedState&, QWidget* reference, QWidget* controle) {
    // Integer division truncates toward zero, as the design wants for odd differences.
    controle->move(reference->x() + (reference->width() - controle->width()) / 2, controle->y());
}

void RemplitComboDepuisFichier(SharedState&, const QString& fichier, QComboBox* liste) {
    const QStringList lignes = LignesDeListe(FichierTexte::litLignes(fichier));
    liste->clear();
    liste->addItems(lignes);
}

void RemplitListeDepuisFichier(SharedState&, const QString& fichier, QListWidget* liste) {
    const QStringList lignes = LignesDeListe(FichierTexte::litLignes(fichier));
    liste->clear();
    if (liste->objectName() == QLatin1String("lb_nom_ens_param")) liste->addItem(QStringLiteral("Enseignant non inscrit"));
    else if (liste->objectName() == QLatin1String("lb_nom_eleve")) liste->addItem(QStringLiteral("Elève non inscrit"));
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
