#include "logique/amenagements/FichierAmenagements.h"

#include "logique/base/EnFond.h"
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Verrou.h"
#include "logique/etat/NomsDossier.h"

#include <optional>

namespace {
using Cle = AmenagementsPartiels::Cle;

// A key as written and its values as written, the value k standing for the int k.
struct Definition {
    Cle cle;
    QString nom;
    QStringList valeurs;
};

const QList<Definition>& definitions() {
    static const QStringList nonOui{QStringLiteral("non"), QStringLiteral("oui")};
    static const QList<Definition> d{
        {Cle::Temps, QStringLiteral("temps"), {"1", "1,5", "2", "3", "sans limite"}},
        {Cle::Police, QStringLiteral("police"), {"programme", "andika", "opendyslexic"}},
        {Cle::Taille, QStringLiteral("taille"), {"100", "125", "150"}},
        {Cle::Espacement, QStringLiteral("espacement"), nonOui},
        {Cle::Contraste, QStringLiteral("contraste"), nonOui},
        {Cle::Voix, QStringLiteral("voix"), nonOui},
        {Cle::Questions, QStringLiteral("questions"), {"toutes", "moins"}},
    };
    return d;
}

// A value as it is compared: lower case, without blanks nor "%", "." for "," ("1.5", "125 %",
// "Open Dyslexic", "Sans limite" all read).
QString forme(QString valeur) {
    valeur = valeur.toLower().replace(QLatin1Char('.'), QLatin1Char(',')).remove(QLatin1Char('%'));
    valeur.removeIf([](QChar c) { return c.isSpace(); });
    return valeur;
}

const Definition* definition(const QString& nom) {
    for (const Definition& d : definitions())
        if (d.nom == nom.trimmed().toLower()) return &d;
    return nullptr;
}

std::optional<int> valeurLue(const Definition& d, const QString& texte) {
    for (int k = 0; k < d.valeurs.size(); ++k)
        if (forme(d.valeurs[k]) == forme(texte)) return k;
    return std::nullopt;
}

bool estCommentaireOuVide(const QString& ligne) {
    const QString t = ligne.trimmed();
    return t.isEmpty() || t.startsWith(QLatin1Char('#'));
}

QString ligneEcrite(const Definition& d, const Amenagements& a) {
    return d.nom + QLatin1Char('=') + d.valeurs.value(AmenagementsPartiels::valeurDe(a, d.cle));
}

QString guillemets(const QStringList& valeurs) {
    QStringList g;
    for (const QString& v : valeurs) g << QStringLiteral("« %1 »").arg(v);
    return g.mid(0, g.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" ou ") + g.last();
}
}  // namespace

namespace FichierAmenagements {
QString chemin(const QString& repertoireClasse, const QString& eleve, const QString& enseignant) {
    return repertoireClasse + NomsDossier::amenagements(eleve, enseignant);
}

Lu depuisLignes(const QStringList& lignes, const QString& eleve) {
    Lu lu;
    const auto note = [&](int numero, const QString& ligne, const QString& pourquoi) {
        // One pass: a pupil's name or a line may hold "%1" itself.
        lu.avis
            << QStringLiteral("Aménagements de %1 : la ligne %2 « %3 » %4.").arg(eleve, QString::number(numero), ligne, pourquoi);
    };
    for (int i = 0; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        if (estCommentaireOuVide(ligne)) continue;
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal < 0) {
            note(i + 1, ligne,
                 QStringLiteral("n'est pas comprise, elle ne compte pas (une ligne s'écrit clé=valeur, par "
                                "exemple temps=2)"));
            continue;
        }
        const Definition* d = definition(ligne.left(egal));
        if (!d) {
            note(i + 1, ligne, QStringLiteral("a une clé inconnue : elle est gardée mais ne compte pas"));
            continue;
        }
        if (const auto v = valeurLue(*d, ligne.mid(egal + 1))) AmenagementsPartiels::fixeDans(lu.amenagements, d->cle, *v);
        else
            note(i + 1, ligne,
                 QStringLiteral("n'est pas comprise, elle ne compte pas (%1 s'écrit %2)").arg(d->nom, guillemets(d->valeurs)));
    }
    return lu;
}

QStringList lignesModifiees(const QStringList& lignes, const AmenagementsPartiels& changements) {
    const Amenagements voulus = changements.appliqueA(depuisLignes(lignes, {}).amenagements);
    QStringList resultat;
    QList<Cle> ecrites;
    for (const QString& ligne : lignes) {
        const qsizetype egal = estCommentaireOuVide(ligne) ? -1 : ligne.indexOf(QLatin1Char('='));
        const Definition* d = egal < 0 ? nullptr : definition(ligne.left(egal));
        if (!d) {
            resultat << ligne;
        } else if (!ecrites.contains(d->cle)) {
            resultat << ligneEcrite(*d, voulus);
            ecrites << d->cle;
        }
    }
    for (const Definition& d : definitions())
        if (!ecrites.contains(d.cle)) resultat << ligneEcrite(d, voulus);
    return resultat;
}

Lu lit(const QString& repertoireClasse, const QString& eleve, const QString& enseignant) {
    const QString fichier = chemin(repertoireClasse, eleve, enseignant);
    try {
        if (!FichierTexte::existe(fichier)) return {};
        return depuisLignes(FichierTexte::litLignesReglages(fichier), eleve);
    } catch (const ErreurFichier& e) {
        // An unreadable file never stops a pupil: the teacher is told, the pupil plays without.
        return {{}, {QStringLiteral("Aménagements de %1 : %2 Aucun aménagement n'est appliqué.").arg(eleve, e.message())}};
    }
}

QStringList modifie(const QString& repertoireClasse, const QString& enseignant, const QStringList& eleves,
                    const AmenagementsPartiels& changements) {
    // As the parameter files: each written whole and flushed, several at once so that the disk
    // takes their flushes together.
    return EnFond::ecritChacun(eleves, [&](const QString& eleve) {
        const QString fichier = chemin(repertoireClasse, eleve, enseignant);
        const Verrou verrou(fichier);
        const bool existait = FichierTexte::existe(fichier);
        if (!existait && changements.appliqueA({}) == Amenagements{}) return;
        const QStringList avant = existait ? FichierTexte::litLignesReglages(fichier) : QStringList();
        const QStringList apres = lignesModifiees(avant, changements);
        if (!existait || apres != avant) FichierTexte::ecritLignes(fichier, apres);
    });
}
}  // namespace FichierAmenagements
