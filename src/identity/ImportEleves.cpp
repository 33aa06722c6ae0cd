#include "identity/ImportEleves.h"

#include "base/CelluleCsv.h"
#include "base/Cp1252.h"
#include "base/Erreurs.h"
#include "base/FichierTexte.h"
#include "state/Utils.h"
#include "identity/NomsRegistre.h"
#include "identity/Registre.h"
#include "identity/VerifieNom.h"

namespace {
const QString EnClasseDe = QStringLiteral(" en classe de ");

}  // namespace

namespace ImportEleves {
QStringList niveauxDe(SharedState& etat, const QString& enseignant) {
    return Registre::NiveauxEnseignant(etat, enseignant).value_or(QStringList());
}

QList<Eleve> prepare(SharedState& etat, const QString& enseignant, const QList<ListeLue::Eleve>& lus,
                     const QString& niveauParDefaut) {
    const QStringList niveaux = niveauxDe(etat, enseignant);
    const QString liste = Registre::FichierListeEleves(enseignant);
    const QStringList inscrits = FichierTexte::existe(liste) ? LignesDeListe(FichierTexte::litLignes(liste)) : QStringList();
    QStringList acceptes;
    QList<Eleve> eleves;
    for (const ListeLue::Eleve& lu : lus) {
        Eleve e{lu.numero, lu.nom, {}, {}, {}};
        if (lu.niveau.isEmpty()) {
            e.niveau = niveaux.contains(niveauParDefaut) ? niveauParDefaut : QString();
        } else {
            const QString reconnu = ListeLue::niveauReconnu(lu.niveau, Registre::Niveaux);
            e.niveau = niveaux.contains(reconnu) ? reconnu : QString();
            if (reconnu.isEmpty())
                e.refus = QStringLiteral("« %1 » n'est pas un niveau connu (%2)")
                              .arg(lu.niveau, Registre::Niveaux.join(QStringLiteral(", ")));
            else if (niveaux.isEmpty())
                e.refus = QStringLiteral("cette classe n'a aucun niveau inscrit");
            else if (e.niveau.isEmpty())
                e.refus = QStringLiteral("le niveau %1 n'est pas enseigné dans cette classe (%2)")
                              .arg(reconnu, niveaux.join(QStringLiteral(", ")));
        }
        e.ligne = Registre::LigneEleve(e.nom, e.niveau);
        if (!e.refus.isEmpty()) {
        } else if (Registre::NomDejaPris(e.nom) || Registre::NomDejaPris(e.ligne)) {
            e.refus = QStringLiteral("ce nom est réservé par le logiciel");
        } else if (!Cp1252::representable(e.nom)) {
            e.refus = QStringLiteral("le nom contient un caractère que le registre ne peut pas garder");
        } else if (VerifieNom(e.nom) || VerifieNomEleve(e.nom, e.ligne, enseignant)) {
            e.refus = QStringLiteral("le nom n'est pas correct : il ne doit pas commencer par un blanc, « - », « _ » "
                                     "ou « > », ni finir par un blanc ou un point, ni contenir / \\ : * ? \" < > |, "
                                     "et doit rester assez court");
        } else if (Registre::NomDejaPris(e.ligne, inscrits)) {
            e.refus = QStringLiteral("déjà inscrit dans cette classe");
        } else if (Registre::NomDejaPris(e.ligne, acceptes)) {
            e.refus = QStringLiteral("en double dans le fichier");
        }
        if (e.refus.isEmpty()) acceptes << e.ligne;
        eleves << e;
    }
    return eleves;
}

Bilan enregistre(const QString& enseignant, const QList<Eleve>& eleves) {
    Bilan bilan;
    // A lost class folder is made again, as a registration on screen would.
    const QString dossier = Registre::DossierDeClasse(enseignant);
    if (!FichierTexte::creeDossier(dossier))
        throw ErreurFichier(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(dossier));
    FichierTexte::modifieLignes(Registre::FichierListeEleves(enseignant), [&](QStringList& liste, bool existait) {
        bilan = {};
        if (!existait) liste = {Registre::EnteteListeEleves(enseignant)};
        // The list as it is now, under the lock: another program may have added some of them.
        QStringList pris = LignesDeListe(liste);
        for (const Eleve& e : eleves) {
            if (!e.refus.isEmpty() || VerifieNomEleve(e.nom, e.ligne, enseignant)) continue;
            if (Registre::NomDejaPris(e.ligne, pris)) {
                bilan.dejaLa << e.ligne;
                continue;
            }
            liste << e.ligne;
            pris << e.ligne;
            ++bilan.enregistres;
        }
        return bilan.enregistres > 0 || !existait;
    });
    return bilan;
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
    QStringList lignes{QStringLiteral("Nom;Niveau")};
    if (FichierTexte::existe(liste))
        for (const QString& ligne : LignesDeListe(FichierTexte::litLignes(liste))) {
            const auto [nom, niveau] = decoupeLigne(ligne);
            lignes << CelluleCsv::texte(nom) + QLatin1Char(';') + CelluleCsv::texte(niveau);
        }
    return FichierTexte::encode(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), liste);
}
}  // namespace ImportEleves
