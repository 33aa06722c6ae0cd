#include "logique/parametres/LitParametres.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"
#include "logique/base/Messages.h"
#include "logique/base/Nombres.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "logique/parametres/LignesParametres.h"
#include "logique/parametres/ParameterFiles.h"

using namespace LignesParametres;

namespace {
// Sections of a block, numbered from its "[Exercice]" heading.
enum Section { Type = 1, Tables, Cas, Options, Temps, Questions, Aide, Bande, FinDeSequence, Retroaction };

[[noreturn]] void illisible(const QString& chemin, const QString& raison) {
    throw ErreurFichier(QStringLiteral("Le fichier de paramétrage « %1 » est illisible : %2.").arg(chemin, raison));
}

bool commencePar(const QString& ligne, char c) { return ligne.startsWith(QLatin1Char(c)); }

// Where each exercise block begins: the line after a "_" separator and the four lines that follow
// it (empty, "Exercice k", the second separator, empty). A block cut short begins past the end.
QList<qsizetype> debutsDesBlocs(const QStringList& lignes) {
    QList<qsizetype> debuts;
    for (qsizetype i = 0; i < lignes.size();) {
        if (commencePar(lignes[i], '_')) {
            i += 5;
            debuts << i;
        } else {
            ++i;
        }
    }
    return debuts;
}

int numeroDePosition(const QStringList& lignes, const QString& chemin) {
    for (const QString& ligne : lignes) {
        if (!commencePar(ligne, '(')) continue;
        const auto numero = Nombres::lit(caracteres(ligne, 2, position(ligne, QStringLiteral(")")) - 1));
        if (!numero)
            illisible(chemin, QStringLiteral("sa ligne de position « %1 » ne donne pas de numéro d'exercice").arg(ligne));
        if (*numero < 1)
            illisible(chemin, QStringLiteral("sa ligne de position « %1 » donne un numéro d'exercice inférieur à 1").arg(ligne));
        return *numero;
    }
    illisible(chemin, QStringLiteral("il n'a pas de ligne de position"));
}

void activeSelonCode(int code, std::initializer_list<bool*> drapeaux) {
    if (code >= 0 && code < static_cast<int>(drapeaux.size())) *drapeaux.begin()[code] = true;
}

void appliqueLigne(SharedState& e, int section, const QString& ligne) {
    switch (section) {
        case Type: e.TypeExercice = Nombres::entier(valeur(ligne)); break;
        case Tables: {
            // Past 250 entries the table is full: further lines are left out, nothing is written.
            e.ajouteEntree(entree(ligne));
            break;
        }
        case Cas: activeSelonCode(Nombres::entier(valeur(ligne)), {&e.CasDoublesCarres, &e.CasSuccesseurs}); break;
        case Options:
            activeSelonCode(Nombres::entier(valeur(ligne)),
                            {&e.OptionTableDansOrdre, &e.OptionGrandeOperandeAGauche, &e.OptionNombresRelatifs});
            break;
        case Temps: {
            const QString v = valeur(ligne);
            if (v == QLatin1String("oui")) e.AvecPirate = true;
            else if (v == QLatin1String("non")) e.AvecPirate = false;
            else if (const auto secondes = Nombres::lit(v)) e.TempsDeReponse = *secondes;
            break;
        }
        case Questions: e.NombreDeQuestions = Nombres::entier(valeur(ligne)); break;
        case Aide: e.TypeAide = Nombres::entier(valeur(ligne)); break;
        case Bande: e.BandeNumerique = Nombres::entier(valeur(ligne)); break;
        case FinDeSequence: e.UneFoisSequenceFinie = Nombres::entier(valeur(ligne)); break;
        case Retroaction: e.Retroaction = Nombres::entier(valeur(ligne)); break;
        default: break;  // lines before the first heading and unknown sections
    }
}

// Reads one block up to the next separator or the end of the file. With `seulementFin`, only the
// end-of-sequence behaviour is taken.
void litBloc(SharedState& e, const QStringList& lignes, qsizetype debut, bool seulementFin, const QString& chemin) {
    int section = 0;
    for (qsizetype i = debut; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        if (commencePar(ligne, '[')) ++section;
        if (ligne.contains(QLatin1Char('-')) && (!seulementFin || section == FinDeSequence)) {
            try {
                appliqueLigne(e, section, ligne);
            } catch (const ErreurConversion& erreur) {
                throw ErreurConversion(QStringLiteral("Le fichier de paramétrage « %1 », ligne %2 : %3")
                                           .arg(chemin, FormatFr::nombre(static_cast<double>(i + 1)), erreur.message()));
            }
        }
        if (commencePar(ligne, '_')) break;
    }
}

// Recording choice of the teacher: the lines after the first "*" line, while the last one read
// began with "*". A file without such a line records nothing. Without the file (pupils' files
// written, the teacher's never saved) the text profile stands in: false.
bool litSauvegardes(SharedState& e, const QString& chemin) {
    if (!FichierTexte::existe(chemin)) {
        e.SauvegardeTexte = true;
        return false;
    }
    // Only the top of the file matters: stop at the first line after the run of "*" lines.
    bool etoiles = false;
    const QStringList lignes = FichierTexte::litLignesTantQue(chemin, [&etoiles](const QString& l) {
        if (commencePar(l, '*')) etoiles = true;
        else if (etoiles) return false;
        return true;
    });
    qsizetype i = 0;
    while (i < lignes.size() && !commencePar(lignes[i], '*')) ++i;
    while (i + 1 < lignes.size() && commencePar(lignes[i], '*')) {
        ++i;
        const auto code = Nombres::lit(codeSauvegarde(lignes[i]));
        if (!code) continue;  // empty or not a number: no choice on this line
        if (*code == 1) e.SauvegardeBase = true;
        else if (*code == 2) e.SauvegardeTableur = true;
        else if (*code == 3) e.SauvegardeTexte = true;
    }
    return true;
}
}  // namespace

bool LitParametres(SharedState& etat, const QString& eleve, const QString& enseignant) {
    InitialiseParametres(etat);
    const QString chemin = etat.RepertoireClasse + NomsDossier::parametrage(eleve, enseignant);
    if (!FichierTexte::existe(chemin)) {
        InitialiseParametres(etat);
        Messages::information(QStringLiteral("Les valeurs des paramètres seront par defaut"));
        return true;
    }
    const QStringList lignes = FichierTexte::litLignesReglages(chemin);
    const QList<qsizetype> debuts = debutsDesBlocs(lignes);
    const int numero = numeroDePosition(lignes, chemin);

    etat.NumeroExercice = numero;
    etat.SequenceFinie = numero > debuts.size();
    // The end-of-sequence behaviour always comes from this file, never from a previous pupil.
    etat.UneFoisSequenceFinie = 0;
    if (!etat.SequenceFinie) litBloc(etat, lignes, debuts[numero - 1], false, chemin);
    else if (!debuts.isEmpty()) litBloc(etat, lignes, debuts.last(), true, chemin);

    return litSauvegardes(etat, etat.RepertoireClasse + NomsDossier::parametrageEnseignant(enseignant));
}

QList<EntreeTable> TablesDeLaSequence(const QString& chemin) {
    const QStringList lignes = FichierTexte::litLignesReglages(chemin);
    QList<EntreeTable> tables;
    for (const qsizetype debut : debutsDesBlocs(lignes)) {
        SharedState bloc;
        litBloc(bloc, lignes, debut, false, chemin);
        tables << bloc.entreesTables();
    }
    return tables;
}
