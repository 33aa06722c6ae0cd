#include "logique/journal/AvisEnseignant.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"

#include <QHash>
#include <mutex>

namespace {
std::mutex verrou;
// What could not be written in a class folder (or belongs to no class), by folder.
QHash<QString, QStringList>& enMemoire() {
    static QHash<QString, QStringList> m;
    return m;
}
}  // namespace

namespace AvisEnseignant {
QString fichier(const QString& repertoireClasse) { return repertoireClasse + NomsDossier::AvisEnseignant; }

void note(const QString& repertoireClasse, const QString& texte) {
    QString ligne = FormatFr::dateHeure(Horloge::maintenant()) + QStringLiteral(" : ") + texte;
    ligne.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!repertoireClasse.isEmpty()) {
        try {
            FichierTexte::ajoute(fichier(repertoireClasse), ligne);
            return;
        } catch (const ErreurMarivelle&) {
            // The class folder cannot be written (often the very failure told): kept here.
        }
    }
    std::lock_guard garde(verrou);
    enMemoire()[repertoireClasse].append(ligne);
}

QStringList prend(const QString& repertoireClasse) {
    QStringList avis;
    try {
        FichierTexte::modifieLignes(fichier(repertoireClasse), [&](QStringList& lignes, bool existait) {
            if (!existait || lignes.isEmpty()) return false;
            avis = lignes;
            lignes.clear();
            return true;
        });
    } catch (const ErreurMarivelle&) {
        // Read again at the next visit.
    }
    std::lock_guard garde(verrou);
    avis += enMemoire().take(repertoireClasse);
    if (!repertoireClasse.isEmpty()) avis += enMemoire().take(QString());
    avis.removeAll(QString());
    return avis;
}

void pendantLaSeance(const QString& repertoireClasse, const QString& eleve) {
    Messages::installeDestinataire([repertoireClasse, eleve](const QString& texte) {
        const QString avis = QStringLiteral("Pendant la séance de %1\u00A0: %2").arg(eleve, texte);
        qWarning("%s", qUtf8Printable(avis));
        note(repertoireClasse, avis);
    });
}

void finDeSeance() { Messages::installeDestinataire(nullptr); }
}  // namespace AvisEnseignant
