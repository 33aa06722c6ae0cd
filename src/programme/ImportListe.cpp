#include "programme/ImportListe.h"

#include "programme/DossierDonnees.h"
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/ImportEleves.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {
const QString Option = QStringLiteral("--importer-liste");
const QString Essai = QStringLiteral("--essai");

void ecrit(std::FILE* sortie, const QString& texte) { std::fputs((texte + QLatin1Char('\n')).toLocal8Bit().constData(), sortie); }

QString compte(qsizetype n, const char* un, const char* plusieurs) {
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n > 1 ? plusieurs : un);
}

// The preview as the screen shows it, one line a pupil.
QStringList apercu(const QString& fichier, const QString& enseignant, const QList<ImportEleves::Eleve>& eleves) {
    QStringList lignes{QStringLiteral("Élèves lus dans « %1 » pour %2 :")
                           .arg(QFileInfo(fichier).fileName(), enseignant == Registre::Aucun
                                                                   ? QStringLiteral("les élèves sans enseignant")
                                                                   : QStringLiteral("la classe de ") + enseignant)};
    qsizetype acceptes = 0;
    for (const ImportEleves::Eleve& e : eleves) {
        const QString debut = QStringLiteral("ligne %1 : %2").arg(e.numero).arg(e.nom);
        if (!e.refus.isEmpty()) {
            lignes << debut + QStringLiteral(" : refusé, ") + e.refus;
            continue;
        }
        ++acceptes;
        lignes << debut + QStringLiteral(", ") + (e.niveau.isEmpty() ? QStringLiteral("sans niveau") : e.niveau) +
                      QStringLiteral(" : sera inscrit (« %1 »)").arg(e.ligne);
    }
    lignes << compte(eleves.size(), "élève lu", "élèves lus") + QStringLiteral(" : ") +
                  compte(acceptes, "sera inscrit", "seront inscrits") + QStringLiteral(", ") +
                  compte(eleves.size() - acceptes, "refusé", "refusés") + QLatin1Char('.');
    return lignes;
}
}  // namespace

namespace ImportListe {
std::optional<Demande> lit(const QStringList& arguments) {
    const qsizetype i = arguments.indexOf(Option);
    if (i < 0) return std::nullopt;
    Demande d;
    d.autresArguments = arguments.mid(0, i);
    QStringList suite = arguments.mid(i + 1);
    d.essai = suite.removeAll(Essai) > 0;
    if (!suite.isEmpty()) d.enseignant = suite[0];
    if (suite.size() > 1) d.fichier = suite[1];
    return d;
}

int execute(const Demande& d, const QString& partage, const QString& maison) {
    if (d.enseignant.isEmpty() || d.fichier.isEmpty()) {
        ecrit(stderr, QStringLiteral("Usage : marivelle [dossier] --importer-liste <enseignant> <fichier> [--essai]"));
        return 2;
    }
    // The list is where the technician named it, before the data folder becomes the current one.
    const QString fichier = QFileInfo(d.fichier).absoluteFilePath();
    const QString dossier = DossierDonnees::choisit(d.autresArguments, partage, maison);
    if (!QFileInfo(dossier).isDir() || !QDir::setCurrent(dossier)) {
        ecrit(stderr, QStringLiteral("Le dossier de données « %1 » n'existe pas.").arg(dossier));
        return 1;
    }
    SharedState etat;
    try {
        if (!FichierTexte::existe(etat.FichierEnseignants)) {
            ecrit(stderr, QStringLiteral("Le dossier de données « %1 » n'a pas encore de liste d'enseignants : aucune "
                                         "classe n'y est inscrite.")
                              .arg(dossier));
            return 1;
        }
        if (!Registre::EnseignantInscrit(etat, d.enseignant)) {
            ecrit(stderr, QStringLiteral("L'enseignant « %1 » n'est pas inscrit dans « %2 » (« aucun » pour les élèves "
                                         "sans enseignant).")
                              .arg(d.enseignant, dossier));
            return 1;
        }
        const QList<ListeLue::Eleve> lus = ListeLue::lit(fichier, Registre::Niveaux);
        if (lus.isEmpty()) {
            ecrit(stderr, QStringLiteral("Aucun élève n'a été trouvé dans « %1 » : il faut une colonne « Nom » (et "
                                         "« Prénom », « Niveau » si vous les avez), un élève par ligne.")
                              .arg(fichier));
            return 1;
        }
        // Pupils the file gives no level take the class's first, as on the screen.
        const QString niveauParDefaut = ImportEleves::niveauxDe(etat, d.enseignant).value(0);
        const QList<ImportEleves::Eleve> eleves = ImportEleves::prepare(etat, d.enseignant, lus, niveauParDefaut);
        for (const QString& ligne : apercu(fichier, d.enseignant, eleves)) ecrit(stdout, ligne);
        if (d.essai) {
            ecrit(stdout, QStringLiteral("Essai : rien n'a été inscrit."));
            return 0;
        }
        const ImportEleves::CompteRendu compteRendu = ImportEleves::enregistre(d.enseignant, eleves);
        ecrit(stdout, ImportEleves::texteInscrits(compteRendu.enregistres));
        if (!compteRendu.dejaLa.isEmpty())
            ecrit(stdout, QStringLiteral("Déjà inscrits entre-temps sur un autre poste : ") +
                              compteRendu.dejaLa.join(QStringLiteral(", ")) + QLatin1Char('.'));
    } catch (const ErreurMarivelle& e) {
        ecrit(stderr, e.message());
        return 1;
    }
    return 0;
}
}  // namespace ImportListe
