// The identification screen's class lists: imported from a teacher's file after a look at what
// will be registered, and exported to a CSV file.
#include "identity/TSaisieIdentifiant.h"

#include "base/Erreurs.h"
#include "base/FichierTexte.h"
#include "base/Messages.h"
#include "state/SharedState.h"
#include "identity/ApercuImport.h"
#include "identity/ImportEleves.h"
#include "identity/NomsRegistre.h"
#include "identity/Registre.h"
#include "interface/DialogueEnregistrement.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QSaveFile>

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
    if (enseignant.isEmpty() || enseignant == Registre::EnseignantNonInscrit ||
        !Registre::EnseignantInscrit(e, enseignant)) {
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
    const QList<ListeLue::Eleve> lus = ListeLue::lit(fichier, Registre::Niveaux);
    if (lus.isEmpty()) {
        Messages::information(QStringLiteral("Aucun élève n'a été trouvé dans ce fichier : il faut une colonne « Nom » "
                                             "(et « Prénom », « Niveau » si vous les avez), un élève par ligne."));
        return;
    }
    ApercuImport apercu(this, Etat(), enseignant, fichier, lus);
    if (apercu.exec() != QDialog::Accepted) return;
    const ImportEleves::Bilan bilan = ImportEleves::enregistre(enseignant, apercu.eleves());
    QString texte = bilan.enregistres == 1 ? QStringLiteral("1 élève a été inscrit.")
                                           : QStringLiteral("%1 élèves ont été inscrits.").arg(bilan.enregistres);
    if (!bilan.dejaLa.isEmpty())
        texte += QStringLiteral(" Déjà inscrits entre-temps sur un autre poste : ") +
                 bilan.dejaLa.join(QStringLiteral(", ")) + QLatin1Char('.');
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
    QSaveFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(octets) != octets.size() || !sortie.commit())
        throw ErreurFichier(QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2.").arg(fichier, sortie.errorString()));
    const int eleves = static_cast<int>(octets.count('\n')) - 1;
    DialogueEnregistrement::confirme(eleves == 1 ? QStringLiteral("La liste (1 élève) a été exportée")
                                                 : QStringLiteral("La liste (%1 élèves) a été exportée").arg(eleves),
                                     fichier);
}
