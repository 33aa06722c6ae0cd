#include "logique/revision/ModeleDeLaClasse.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"
#include "logique/memoire/MemoireEleve.h"
#include "logique/memoire/ModeleMemoire.h"
#include "logique/memoire/ParametresParDefaut.h"
#include "logique/memoire/ParametresTexte.h"

#include <QMutex>
#include <QSet>
#include "logique/base/EnFond.h"
#include <algorithm>

namespace {
QMutex garde;
QSet<QString> enCours;  // class folders being fitted, under `garde`

std::optional<ParametresTexte::Lus> litFichier(const QString& repertoireClasse) {
    const QString chemin = Revision::fichierModele(repertoireClasse);
    try {
        if (FichierTexte::existe(chemin)) return ParametresTexte::lit(FichierTexte::litLignes(chemin));
    } catch (const ErreurMarivelle&) {
        // A file that cannot be read is fitted again.
    }
    return std::nullopt;
}
}  // namespace

namespace Revision {
QString fichierModele(const QString& repertoireClasse) { return repertoireClasse + NomsDossier::ModeleMemoire; }

ParametresMemoire parametresDeLaClasse(const QString& repertoireClasse) {
    const auto lus = litFichier(repertoireClasse);
    return lus ? lus->parametres : parametresParDefaut();
}

QFuture<void> reajusteEnFond(const QString& repertoireClasse, const QList<ReponseResumee>& reponses,
                             const QDateTime& maintenant) {
    const auto lus = litFichier(repertoireClasse);
    if (lus && QDateTime::fromMSecsSinceEpoch(lus->ajusteLe).date() >= maintenant.date()) return QtFuture::makeReadyFuture();
    if (std::count_if(reponses.begin(), reponses.end(), estQuestionTapee) < ReponsesPourAjuster)
        return QtFuture::makeReadyFuture();
    {
        const QMutexLocker verrou(&garde);
        if (enCours.contains(repertoireClasse)) return QtFuture::makeReadyFuture();
        enCours.insert(repertoireClasse);
    }
    const qint64 jusqua = maintenant.toMSecsSinceEpoch();
    return EnFond::lance([repertoireClasse, reponses, jusqua] {
        try {
            const ParametresMemoire p = ModeleMemoire::ajuste(reponses, jusqua);
            FichierTexte::ecritLignes(fichierModele(repertoireClasse), ParametresTexte::lignes(p, jusqua));
        } catch (...) {
            // Tried again at the next opening; the parameters kept meanwhile are the last ones.
        }
        const QMutexLocker verrou(&garde);
        enCours.remove(repertoireClasse);
    });
}
}  // namespace Revision
