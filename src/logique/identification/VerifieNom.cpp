#include "logique/identification/VerifieNom.h"

#include "logique/base/Accents.h"
#include "logique/base/Cp1252.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/NomsRegistre.h"

#include <QSet>
#include <QStringList>

namespace {
constexpr qsizetype OctetsMax = 255;
// The longest name made beside a file of the working folder: a text file's temporary copy
// ".~xxxxx" and lock ".verrou" (7 bytes), the lock Qt takes to take over a dead program's lock
// ".verrou.rmlock" (14), SQLite's "-journal" (8), and beside the journal's pending file its lines
// that cannot be read ".lignes_abimees" (15) and an ended program's ".attente-<pid>" (16 with a
// pid of 7 digits, the largest Linux gives).
constexpr qsizetype MargeACote = 16;

bool caractereInterdit(QChar c) {
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    return interdits.contains(c) || c.category() == QChar::Other_Control;
}

// Characters that look like nothing or like a blank: two names differing only by them would be
// two entries the user cannot tell apart.
bool caractereInvisible(QChar c) { return c == QChar(0x00A0) || c == QChar(0x00AD) || c.category() == QChar::Other_Format; }

// The form list entries are compared in: CleDeNom without accents.
QString cleSansAccents(const QString& nom) { return Accents::retire(Registre::CleDeNom(nom)); }

bool tousAcceptables(const QStringList& composants) {
    for (const QString& c : composants)
        if (!Registre::NomDeFichierAcceptable(c)) return false;
    return true;
}
}  // namespace

namespace Registre {
bool NomDeFichierAcceptable(const QString& composant) { return composant.toUtf8().size() + MargeACote <= OctetsMax; }
}  // namespace Registre

namespace Registre {
QString CleDeNom(const QString& nom) { return nom.simplified().toCaseFolded(); }

bool EntreeDeListe(const QString& nom) {
    static const QSet<QString> entrees = {cleSansAccents(Aucun), cleSansAccents(EnseignantNonInscrit),
                                          cleSansAccents(EleveNonInscrit), cleSansAccents(EleveSansId)};
    return entrees.contains(cleSansAccents(nom));
}

bool FinitCommeUnNiveau(const QString& nom) {
    return (QLatin1Char(' ') + cleSansAccents(nom) + QLatin1Char(' ')).contains(QLatin1String(" en classe de "));
}

bool NomDejaPris(const QString& nom, const QStringList& existants) {
    if (EntreeDeListe(nom)) return true;
    const QString cle = CleDeNom(nom);
    for (const QString& autre : existants)
        if (CleDeNom(autre) == cle) return true;
    return false;
}
}  // namespace Registre

bool VerifieNom(const QString& nom) {
    if (nom.isEmpty()) return true;
    const QChar premier = nom.front();
    if (premier.isSpace() || premier == QLatin1Char('-') || premier == QLatin1Char('_') || premier == QLatin1Char('>'))
        return true;
    // Windows drops trailing blanks and dots from file names: "Lea." would open "Lea"'s files.
    const QChar dernier = nom.back();
    if (dernier.isSpace() || dernier == QLatin1Char('.')) return true;
    for (QChar c : nom)
        if (caractereInterdit(c) || caractereInvisible(c)) return true;
    return !Cp1252::representable(nom) || Registre::NomDejaPris(nom);
}

bool VerifieNomEnseignant(const QString& t) {
    if (VerifieNom(t)) return true;
    // The longest is the answer journal set aside when damaged.
    return !tousAcceptables(NomsDossier::nomsDeLEnseignant(t));
}

bool VerifieNomEleve(const QString& nom, const QString& ligne, const QString& t) {
    if (VerifieNom(nom) || Registre::FinitCommeUnNiveau(nom) || Registre::NomDejaPris(ligne)) return true;
    return !tousAcceptables(NomsDossier::nomsDeLEleve(ligne, t));
}
