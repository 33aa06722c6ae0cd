#include "identity/VerifieNom.h"

#include "base/Cp1252.h"
#include "state/SharedState.h"
#include "identity/NomsRegistre.h"

#include <QStringList>

namespace {
constexpr qsizetype OctetsMax = 255;
constexpr qsizetype MargeTemporaire = 7;  // ".XXXXXX"

bool caractereInterdit(QChar c) {
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    return interdits.contains(c) || c.category() == QChar::Other_Control;
}

bool tousAcceptables(const QStringList& composants) {
    for (const QString& c : composants)
        if (!Registre::NomDeFichierAcceptable(c)) return false;
    return true;
}
}  // namespace

namespace Registre {
bool NomDeFichierAcceptable(const QString& composant) {
    return composant.toUtf8().size() + MargeTemporaire <= OctetsMax;
}
}  // namespace Registre

bool VerifieNom(const QString& nom) {
    if (nom.isEmpty()) return true;
    const QChar premier = nom.front();
    if (premier.isSpace() || premier == QLatin1Char('-') || premier == QLatin1Char('_') || premier == QLatin1Char('>'))
        return true;
    if (nom == QLatin1String(".") || nom == QLatin1String("..")) return true;
    for (QChar c : nom)
        if (caractereInterdit(c)) return true;
    return !Cp1252::representable(nom);
}

bool VerifieNomEnseignant(const QString& t) {
    if (VerifieNom(t) || t == Registre::EnseignantNonInscrit) return true;
    // Everything named after the teacher alone; the longest is the database's journal.
    return !tousAcceptables({QStringLiteral("classe de ") + t, QStringLiteral("classe_") + t + QStringLiteral(".txt"),
                             QStringLiteral("enseignant_parametrage_") + t + QStringLiteral(".txt"),
                             QStringLiteral("profil_des_eleves_de_") + t + QStringLiteral(".sqlite-journal"),
                             QStringLiteral("profil_des_eleves_de_") + t + QStringLiteral(".xlsx.lock")});
}

bool VerifieNomEleve(const QString& nom, const QString& ligne, const QString& t) {
    if (VerifieNom(nom) || ligne == Registre::EleveNonInscrit || ligne == EleveSansId) return true;
    return !tousAcceptables({QStringLiteral("parametrage_") + ligne + QStringLiteral("_de_") + t + QStringLiteral(".txt"),
                             QStringLiteral("profil_") + ligne + QStringLiteral("_de_") + t + QStringLiteral(".txt")});
}
