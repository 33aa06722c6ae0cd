// The identification screen's class lists: imported from a teacher's file after a look at what
// will be registered, and exported to a CSV file.
#include "ecrans/identification/TSaisieIdentifiant.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/SharedState.h"
#include "ecrans/identification/ApercuImport.h"
#include "logique/identification/ImportEleves.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "ecrans/commun/DialogueEnregistrement.h"
#include "ecrans/commun/TravailEnFond.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QListWidget>

TSaisieIdentifiant::ChoixDeFichier TSaisieIdentifiant::choixFichier = [](QWidget* parent, bool enregistrer,
                                                                         const QString& proposition) {
    if (enregistrer)
        return DialogueEnregistrement::demande(parent, QStringLiteral("Exporter la liste d'élèves"), proposition,
                                               QStringLiteral("csv"), QStringLiteral("Tableur CSV (*.csv)"));
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Importer une liste d'élèves"), proposition,
                                        QStringLiteral("Listes d'élèves (*.csv *.txt *.xlsx *.ods);;Tous les fichiers (*)"));
};

QString TSaisieIdentifiant::classeChoisie() {
    SharedState& e = Etat();
    const QString enseignant = e.EnseignantParametrage;
    if (enseignant.isEmpty() || enseignant == Registre::EnseignantNonInscrit || !Registre::EnseignantInscrit(e, enseignant)) {
        Messages::information(QStringLiteral("Choisissez d'abord la classe dans la liste « Classe de » (ou « aucun » "
                                             "pour les élèves sans enseignant)."));
        return {};
    }
    return enseignant;
}

void TSaisieIdentifiant::ImporterClick() {
    const QString enseignant = classeChoisie();
    if (enseignant.isEmpty()) return;
    const QString fichier = choixFichier(this, false, QDir::homePath());
    if (fichier.isEmpty()) return;
    // A school's export may be large: read off the screen's thread, with "Annuler".
    QList<ListeLue::Eleve> lus;
    const QString nom = QFileInfo(fichier).fileName();
    if (!TravailEnFond::execute(this, QStringLiteral("Lecture de « %1 »…").arg(nom),
                                [&](Avancement& avancement) { lus = ListeLue::lit(fichier, Registre::Niveaux, &avancement); }))
        return;
    if (lus.isEmpty()) {
        Messages::information(QStringLiteral("Aucun élève n'a été trouvé dans ce fichier : il faut une colonne « Nom » "
                                             "(et « Prénom », « Niveau » si vous les avez), un élève par ligne."));
        return;
    }
    ApercuImport apercu(this, Etat(), enseignant, fichier, lus);
    if (apercu.exec() != QDialog::Accepted) return;
    // The class list may be locked a moment by another computer: the screen keeps painting.
    ImportEleves::CompteRendu compteRendu;
    const QList<ImportEleves::Eleve> eleves = apercu.eleves();
    TravailEnFond::execute(this, QStringLiteral("Inscription des élèves…"),
                           [&](Avancement&) { compteRendu = ImportEleves::enregistre(enseignant, eleves); });
    QString texte = ImportEleves::texteInscrits(compteRendu.enregistres);
    if (!compteRendu.dejaLa.isEmpty())
        texte += QStringLiteral(" Déjà inscrits entre-temps sur un autre poste : ") +
                 compteRendu.dejaLa.join(QStringLiteral(", ")) + QLatin1Char('.');
    // The pupils shown follow when they are this class's.
    if (lb_nom_eleve->isEnabled() && cb_nom_ens->currentText() == enseignant) remplitElevesDe(enseignant);
    Messages::information(texte);
}

void TSaisieIdentifiant::ExporterClick() {
    const QString enseignant = classeChoisie();
    if (enseignant.isEmpty()) return;
    const QByteArray octets = ImportEleves::exporte(enseignant);
    const QString fichier = choixFichier(this, true,
                                         enseignant == Registre::Aucun ? QStringLiteral("élèves sans enseignant")
                                                                       : QStringLiteral("élèves de %1").arg(enseignant));
    if (fichier.isEmpty()) return;
    // A file the teacher chose, anywhere (a USB key): written whole, then put in place.
    FichierTexte::remplaceOctetsAilleurs(fichier, octets);
    const int eleves = static_cast<int>(octets.count('\n')) - 1;
    DialogueEnregistrement::confirme(eleves == 1 ? QStringLiteral("La liste (1 élève) a été exportée")
                                                 : QStringLiteral("La liste (%1 élèves) a été exportée").arg(eleves),
                                     fichier);
}
