// What the fuzzers feed: any bytes, as a text file, a pupil's and teacher's parameter files, a
// registry, a class list in CSV, or the XML of a workbook's part with its cell references. The program must read them without crashing; a file it cannot understand gives
// ErreurFichier or ErreurConversion, nothing else.
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "logique/listes/LecteurXml.h"
#include "logique/listes/ListeLue.h"
#include "logique/xlsx/FeuilleXlsx.h"
#include "logique/parametres/LitParametres.h"
#include "logique/parametres/ParameterFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
void ecrit(const QString& chemin, QByteArrayView octets) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets.data(), octets.size()) != octets.size())
        std::abort();
}

void verifie(bool condition) {
    if (!condition) std::abort();
}

// Lines read, written back and read again are the same lines.
void lignes(QByteArrayView octets) {
    ecrit(QStringLiteral("f.txt"), octets);
    const QStringList lues = FichierTexte::litLignes(QStringLiteral("f.txt"));
    verifie(lues.size() == octets.count('\n') + (octets.isEmpty() || octets.endsWith('\n') ? 0 : 1));
    FichierTexte::ecritLignes(QStringLiteral("g.txt"), lues);
    verifie(FichierTexte::litLignes(QStringLiteral("g.txt")) == lues);
}

void parametres(QByteArrayView octets) {
    const qsizetype coupure = octets.indexOf('\0');
    ecrit(NomsDossier::parametrage(QStringLiteral("Lea"), QStringLiteral("Martin")),
          octets.first(coupure < 0 ? octets.size() : coupure));
    ecrit(NomsDossier::parametrageEnseignant(QStringLiteral("Martin")),
          coupure < 0 ? QByteArrayView() : octets.sliced(coupure + 1));
    SharedState etat;
    LitParametres(etat, QStringLiteral("Lea"), QStringLiteral("Martin"));
}

void registre(QByteArrayView octets) {
    ecrit(QStringLiteral("enseignant.txt"), octets);
    SharedState etat;
    for (const QString& t : FichierTexte::litLignes(QStringLiteral("enseignant.txt")).mid(0, 4)) {
        Registre::NiveauxEnseignant(etat, t);
        Registre::EnseignantInscrit(etat, t);
    }
    if (Registre::EnregistreEnseignant(etat, QStringLiteral("Zoe"), {1}) == Registre::Issue::Enregistre)
        verifie(Registre::EnseignantInscrit(etat, QStringLiteral("Zoe")));
    Registre::SupprimeEnseignant(etat, QStringLiteral("Zoe"));
}

// Every pupil read has a name; a file that is not text is refused with its line.
void listeCsv(QByteArrayView octets) {
    for (const ListeLue::Eleve& e : ListeLue::depuisCsv(octets.toByteArray(), Registre::Niveaux))
        verifie(!e.nom.isEmpty() && e.numero > 0);
}

// Tokens to the end or a refusal; every cell reference stays within the sheet's bounds.
void partieXml(QByteArrayView octets) {
    qsizetype lus = 0;
    LecteurXml lecteur(
        [&](char* destination, qint64 max) {
            const qint64 n = std::min<qint64>(max, octets.size() - lus);
            std::memcpy(destination, octets.data() + lus, static_cast<size_t>(n));
            lus += n;
            return n;
        },
        QStringLiteral("liste.xlsx"));
    while (lecteur.suivant() != LecteurXml::Jeton::FinDocument) {
        if (lecteur.profondeur() > 0 && !lecteur.attribut("r").isEmpty()) {
            const FeuilleXlsx::Reference r = FeuilleXlsx::reference(lecteur.attribut("r"));
            verifie(r.ligne >= 0 && r.ligne <= FeuilleXlsx::PositionMax && r.colonne >= 0 &&
                    r.colonne <= FeuilleXlsx::PositionMax);
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // In memory where possible: every replace is flushed to disk, which a fuzzer does not need.
    static QTemporaryDir dossier(QDir(QStringLiteral("/dev/shm")).exists()
                                     ? QStringLiteral("/dev/shm/marivelle-fuzz-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/marivelle-fuzz-XXXXXX"));
    static const bool pret = [] {
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        return QDir::setCurrent(dossier.path());
    }();
    verifie(pret);
    if (taille == 0) return 0;
    const QByteArrayView octets(reinterpret_cast<const char*>(donnees) + 1, static_cast<qsizetype>(taille - 1));
    try {
        switch (donnees[0] % 5) {
            case 0: lignes(octets); break;
            case 1: parametres(octets); break;
            case 2: registre(octets); break;
            case 3: listeCsv(octets); break;
            default: partieXml(octets); break;
        }
        Messages::recueille();
    } catch (const ErreurFichier&) {
    } catch (const ErreurConversion&) {
    }
    return 0;
}
