#include "logique/parametres/ParameterFiles.h"

#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"

using namespace LignesFichier;

namespace {
QString n(int valeur) { return FormatFr::nombre(valeur); }

const QString kTypes[] = {QStringLiteral("1 - exercice où il faut donner le résultat"),
                          QStringLiteral("2 - exercice à trou"),
                          QStringLiteral("3 - exercice intrus"),
                          QStringLiteral("4 - exercice autre intrus"),
                          QStringLiteral("5 - révision des faits à revoir"),
                          QStringLiteral("6 - test de départ")};
const QString kOperations[] = {QStringLiteral(" avec addition -"), QStringLiteral(" avec soustraction -"),
                               QStringLiteral(" avec multiplication -"), QStringLiteral(" avec division -")};
const QString kAides[] = {QStringLiteral("0 - oui avec les dessins"), QStringLiteral("1 - oui avec les constellations"),
                          QStringLiteral("2 - non")};
const QString kFins[] = {QStringLiteral("0 - faire la séquence en boucle"),
                         QStringLiteral("1 - laisser la liberté à l'élève de faire ce qu'il souhaite"),
                         QStringLiteral("2 - quitter le logiciel")};
const QString kRetroactions[] = {QStringLiteral("0 - mettre en évidence les points positifs"),
                                 QStringLiteral("1 - montrer tous les résultats"),
                                 QStringLiteral("2 - mettre en évidence les points négatifs")};

// Adds the line of a code when the code is one of the listed ones; otherwise no line, and the
// reader keeps its default for the section.
template <std::size_t N>
void ajouteCode(QStringList& lignes, const QString (&textes)[N], int code, int premier = 0) {
    const int i = code - premier;
    if (i >= 0 && i < static_cast<int>(N)) lignes << textes[i];
}

QString ligneBande(int bande) {
    if (bande >= 0 && bande <= 8) return n(bande) + QStringLiteral(" - de 0 à ") + n(10 * bande + 9);
    if (bande == 9) return QStringLiteral("9 - de 0 à 100");
    if (bande == 10) return QStringLiteral("10 - aucune");
    return {};
}

// One section: the heading, then its lines. Headings after the first stand after an empty line.
void section(QString& bloc, const QString& titre, const QStringList& lignes) {
    if (!bloc.isEmpty()) bloc += FinDeLigne + FinDeLigne;
    bloc += titre;
    for (const QString& l : lignes) bloc += FinDeLigne + l;
}

QString fichierDeSequence(const QString& ligne2, const QStringList& blocs, int fin, int retroaction) {
    QStringList lignes{D69, ligne2, D69, QString(), QStringLiteral("(1)")};
    for (int k = 1; k <= blocs.size(); ++k) {
        if (k == 1) lignes << QString();
        lignes << U39 << QString() << QStringLiteral("Exercice ") + n(k) << U39 << QString() << blocs[k - 1] << QString()
               << QStringLiteral("[Une fois la séquence finie]");
        ajouteCode(lignes, kFins, fin);
        lignes << QString() << QStringLiteral("[Rétroaction]");
        ajouteCode(lignes, kRetroactions, retroaction);
    }
    return lignes.join(FinDeLigne);
}

QStringList blocsDe(const QList<ExerciseSettings>& exercices) {
    QStringList blocs;
    for (const ExerciseSettings& x : exercices) blocs << BlocExercice(x);
    return blocs;
}
}  // namespace

QString LigneDeTable(const EntreeTable& e) {
    if (e.operation < 0 || e.operation > 3) return {};
    if (e.complement()) return QStringLiteral("compléments à ") + n(e.second) + kOperations[e.operation];
    return n(e.premier) + QStringLiteral(" sur l'intervalle de ") + n(e.second) + QStringLiteral(" à ") + n(e.troisieme) +
           kOperations[e.operation];
}

QString BlocExercice(const ExerciseSettings& x) {
    QString bloc;
    QStringList lignes;
    ajouteCode(lignes, kTypes, x.TypeExercice, 1);
    section(bloc, QStringLiteral("[Exercice]"), lignes);

    lignes.clear();
    for (const EntreeTable& e : x.tables)
        if (const QString l = LigneDeTable(e); !l.isEmpty()) lignes << l;
    section(bloc, QStringLiteral("[Tables]"), lignes);

    lignes.clear();
    if (x.CasDoublesCarres) lignes << QStringLiteral("0 - travail sur les doubles et carrés");
    if (x.CasSuccesseurs) lignes << QStringLiteral("1 - travail sur les successeurs");
    if (lignes.isEmpty()) lignes << QStringLiteral("2 - aucun");
    section(bloc, QStringLiteral("[Cas particuliers]"), lignes);

    lignes.clear();
    if (x.OptionTableDansOrdre) lignes << QStringLiteral("0 - table dans l'ordre");
    if (x.OptionGrandeOperandeAGauche) lignes << QStringLiteral("1 - plus grande opérande à gauche");
    if (x.OptionNombresRelatifs) lignes << QStringLiteral("2 - travail avec les nombres relatifs");
    if (lignes.isEmpty()) lignes << QStringLiteral("3 - aucune");
    section(bloc, QStringLiteral("[Options particulières]"), lignes);

    lignes = QStringList{x.AvecPirate ? QStringLiteral("oui - on met le temps avec le pirate")
                                      : QStringLiteral("non - on ne verra pas apparaitre le pirate")};
    // No time (0, or the chooser's "not chosen" -1) is the "0" line: a negative number would not
    // survive the value rule, which stops at its sign.
    if (x.TempsDeReponse <= 0) lignes << QStringLiteral("0 - aucun temps fixé");
    else
        lignes << n(x.TempsDeReponse) + (x.AvecPirate ? QStringLiteral(" - secondes pour que le pirate descende")
                                                      : QStringLiteral(" - secondes pour que les bulles montent"));
    section(bloc, QStringLiteral("[Temps de réponse (en secondes)] "), lignes);

    section(bloc, QStringLiteral("[Nombre de questions posées par exercice] "),
            {n(x.NombreDeQuestions) + QStringLiteral(" - questions")});

    lignes.clear();
    ajouteCode(lignes, kAides, x.TypeAide);
    section(bloc, QStringLiteral("[Aide]"), lignes);

    lignes.clear();
    if (const QString l = ligneBande(x.BandeNumerique); !l.isEmpty()) lignes << l;
    section(bloc, QStringLiteral("[Bande numérique] "), lignes);
    return bloc;
}

QString EtiquetteExercice(int k, const QStringList& items) {
    QString etiquette = QStringLiteral("Exercice ") + n(k) + QStringLiteral("=>");
    for (const QString& item : items) etiquette += item + QStringLiteral(", ");
    return etiquette;
}

QString TexteParameterFile(const QString& enseignant, const QString& eleve, const SequenceSettings& sequence) {
    return TexteParameterFileDeBlocs(enseignant, eleve, blocsDe(sequence.exercices), sequence.UneFoisSequenceFinie,
                                     sequence.Retroaction);
}

QString TexteParametrageParDefaut(const QString& enseignant, const SequenceSettings& sequence) {
    return TexteParametrageParDefautDeBlocs(enseignant, blocsDe(sequence.exercices), sequence.UneFoisSequenceFinie,
                                            sequence.Retroaction);
}

QString TexteParameterFileDeBlocs(const QString& enseignant, const QString& eleve, const QStringList& blocs, int fin,
                                  int retroaction) {
    return fichierDeSequence(QStringLiteral("Fichier de paramétrage fait par ") + enseignant + QStringLiteral(" pour ") + eleve,
                             blocs, fin, retroaction);
}

QString TexteParametrageParDefautDeBlocs(const QString& enseignant, const QStringList& blocs, int fin, int retroaction) {
    return fichierDeSequence(QStringLiteral("Fichier de paramétrage fait par ") + enseignant +
                                 QStringLiteral(" pour le fichier de paramétrage par défaut"),
                             blocs, fin, retroaction);
}

QString TexteTeacherParameterFile(const QString& enseignant, const QList<QString>& etiquettes,
                                  const QList<ExerciseSettings>& exercices, bool base, bool tableur, bool texte) {
    return TexteTeacherParameterFileDeBlocs(enseignant, etiquettes, blocsDe(exercices), base, tableur, texte);
}

QString TexteTeacherParameterFileDeBlocs(const QString& enseignant, const QList<QString>& etiquettes, const QStringList& blocs,
                                         bool base, bool tableur, bool texte) {
    QStringList lignes{D69,
                       QStringLiteral("Fichier de paramétrage pour ") + enseignant,
                       D69,
                       QString(),
                       QStringLiteral("(") + n(blocs.size()) + QStringLiteral(")"),
                       QString(),
                       QStringLiteral("***Sauvegarde du profil***")};
    if (base) lignes << QStringLiteral("* 1 - oui dans une base de données");
    if (tableur) lignes << QStringLiteral("* 2 - oui dans un fichier tableur");
    if (texte) lignes << QStringLiteral("* 3 - oui dans un fichier texte");
    if (!base && !tableur && !texte) lignes << QStringLiteral("* 0 - non pas de sauvegarde");
    for (int k = 1; k <= blocs.size(); ++k) {
        lignes << QString();
        if (k >= 2) lignes << QString();
        // A missing label is written as the bare "Exercice k=>", which the settings screen reads back.
        lignes << U39 << QString() << etiquettes.value(k - 1, EtiquetteExercice(k, {})) << U39 << QString() << blocs[k - 1];
    }
    return lignes.join(FinDeLigne);
}

void EcritFichier(const QString& chemin, const QString& texte) { FichierTexte::ecritTexte(chemin, texte); }
