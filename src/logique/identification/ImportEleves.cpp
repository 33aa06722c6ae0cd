#include "logique/identification/ImportEleves.h"

#include "logique/base/CelluleCsv.h"
#include "logique/base/Cp1252.h"
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/Utils.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "logique/identification/VerifieNom.h"

#include <QSet>

namespace {
const QString EnClasseDe = QStringLiteral(" en classe de ");

QSet<QString> clesDe(const QStringList& lignes) {
    QSet<QString> cles;
    cles.reserve(lignes.size());
    for (const QString& l : lignes) cles.insert(Registre::CleDeNom(l));
    return cles;
}
}  // namespace

namespace ImportEleves {
QStringList niveauxDe(SharedState& etat, const QString& enseignant) {
    return Registre::NiveauxEnseignant(etat, enseignant).value_or(QStringList());
}

QList<Eleve> prepare(SharedState& etat, const QString& enseignant, const QList<ListeLue::Eleve>& lus,
                     const QString& niveauParDefaut) {
    const QStringList niveaux = niveauxDe(etat, enseignant);
    const QString liste = Registre::FichierListeEleves(enseignant);
    // Names compared by their CleDeNom, in sets: a list of thousands is prepared at once.
    const QSet<QString> inscrits = FichierTexte::existe(liste) ? clesDe(LignesDeListe(FichierTexte::litLignes(liste)))
                                                               : QSet<QString>();
    QSet<QString> acceptes;
    QList<Eleve> eleves;
    eleves.reserve(lus.size());
    for (const ListeLue::Eleve& lu : lus) {
        Eleve e{lu.numero, lu.nom, {}, {}, {}};
        QString niveauLu = lu.niveau;
        // A registry line as the program writes it (its own class list, the list file itself):
        // the name and the level it ends with, so that its line is the one registered.
        const auto [nom, niveauDuNom] = decoupeLigne(lu.nom);
        if (!niveauDuNom.isEmpty() &&
            (niveauLu.isEmpty() || ListeLue::niveauReconnu(niveauLu, Registre::Niveaux) == niveauDuNom)) {
            e.nom = nom;
            niveauLu = niveauDuNom;
        }
        if (niveauLu.isEmpty()) {
            e.niveau = !lu.sansNiveau && niveaux.contains(niveauParDefaut) ? niveauParDefaut : QString();
        } else {
            const QString reconnu = ListeLue::niveauReconnu(niveauLu, Registre::Niveaux);
            e.niveau = niveaux.contains(reconnu) ? reconnu : QString();
            if (reconnu.isEmpty())
                e.refus = QStringLiteral("« %1 » n'est pas un niveau connu (%2)")
                              .arg(niveauLu, Registre::Niveaux.join(QStringLiteral(", ")));
            else if (niveaux.isEmpty()) e.refus = QStringLiteral("cette classe n'a aucun niveau inscrit");
            else if (e.niveau.isEmpty())
                e.refus = QStringLiteral("le niveau %1 n'est pas enseigné dans cette classe (%2)")
                              .arg(reconnu, niveaux.join(QStringLiteral(", ")));
        }
        e.ligne = Registre::LigneEleve(e.nom, e.niveau);
        const QString cle = Registre::CleDeNom(e.ligne);
        if (!e.refus.isEmpty()) {
        } else if (inscrits.contains(cle)) {
            e.refus = QStringLiteral("déjà inscrit dans cette classe");
        } else if (Registre::EntreeDeListe(e.nom) || Registre::EntreeDeListe(e.ligne)) {
            e.refus = QStringLiteral("ce nom est réservé par le logiciel");
        } else if (Registre::FinitCommeUnNiveau(e.nom)) {
            e.refus = QStringLiteral("le nom ne doit pas finir par « en classe de … », qui annonce le niveau : "
                                     "le niveau se donne dans sa propre colonne");
        } else if (!Cp1252::representable(e.nom)) {
            e.refus = QStringLiteral("le nom contient un caractère que le registre ne peut pas garder");
        } else if (VerifieNomEleve(e.nom, e.ligne, enseignant)) {
            e.refus = QStringLiteral("le nom n'est pas correct : il ne doit pas commencer par un blanc, « - », « _ » "
                                     "ou « > », ni finir par un blanc ou un point, ni contenir / \\ : * ? \" < > |, "
                                     "et doit rester assez court");
        } else if (acceptes.contains(cle)) {
            e.refus = QStringLiteral("en double dans le fichier");
        }
        if (e.refus.isEmpty()) acceptes.insert(cle);
        eleves << e;
    }
    return eleves;
}

CompteRendu enregistre(const QString& enseignant, const QList<Eleve>& eleves) {
    CompteRendu compteRendu;
    // A lost class folder is made again, as a registration on screen would.
    const QString dossier = NomsDossier::dossierClasse(enseignant);
    if (!FichierTexte::creeDossier(dossier))
        throw ErreurFichier(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(dossier));
    FichierTexte::modifieLignes(Registre::FichierListeEleves(enseignant), [&](QStringList& liste, bool existait) {
        compteRendu = {};
        if (!existait) liste = {Registre::EnteteListeEleves(enseignant)};
        // The list as it is now, under the lock: another program may have added some of them.
        QSet<QString> pris = clesDe(LignesDeListe(liste));
        for (const Eleve& e : eleves) {
            if (!e.refus.isEmpty() || VerifieNomEleve(e.nom, e.ligne, enseignant)) continue;
            const QString cle = Registre::CleDeNom(e.ligne);
            if (pris.contains(cle)) {
                compteRendu.dejaLa << e.ligne;
                continue;
            }
            liste << e.ligne;
            pris.insert(cle);
            ++compteRendu.enregistres;
        }
        return compteRendu.enregistres > 0 || !existait;
    });
    return compteRendu;
}

QString texteInscrits(int enregistres) {
    if (enregistres == 0) return QStringLiteral("Aucun élève n'a été inscrit.");
    return enregistres == 1 ? QStringLiteral("1 élève a été inscrit.")
                            : QStringLiteral("%1 élèves ont été inscrits.").arg(enregistres);
}

std::pair<QString, QString> decoupeLigne(const QString& ligne) {
    const qsizetype position = ligne.lastIndexOf(EnClasseDe);
    if (position > 0) {
        const QString niveau = ligne.mid(position + EnClasseDe.size());
        if (Registre::Niveaux.contains(niveau)) return {ligne.left(position), niveau};
    }
    return {ligne, {}};
}

QByteArray exporte(const QString& enseignant) {
    const QString liste = Registre::FichierListeEleves(enseignant);
    QStringList lignes{ListeLue::EnteteDeLExport.join(QLatin1Char(';'))};
    if (FichierTexte::existe(liste))
        for (const QString& ligne : LignesDeListe(FichierTexte::litLignes(liste))) {
            const auto [nom, niveau] = decoupeLigne(ligne);
            lignes << CelluleCsv::texte(nom) + QLatin1Char(';') + CelluleCsv::texte(niveau);
        }
    return FichierTexte::encode(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), liste);
}
}  // namespace ImportEleves
