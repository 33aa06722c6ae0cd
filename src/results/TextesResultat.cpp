#include "results/TextesResultat.h"

#include "base/FormatFr.h"
#include "state/SharedState.h"
#include "results/ProfileFile.h"

#include <algorithm>
#include <cmath>

namespace TextesResultat {
QString type(int typeExercice) {
    switch (typeExercice) {
        case 1: return QStringLiteral("donner résultat");
        case 2: return QStringLiteral("à trou");
        case 3: return QStringLiteral("intrus");
        case 4: return QStringLiteral("même résultat");
        case 5: return QStringLiteral("révision");
        default: return {};
    }
}

QString aide(int typeAide) {
    switch (typeAide) {
        case 0: return QStringLiteral("dessins");
        case 1: return QStringLiteral("constellations");
        case 2: return QStringLiteral("aucune");
        default: return {};
    }
}

QString tables(const SharedState& e, const Forme& forme) {
    static const QString prefixes[] = {QStringLiteral("+ ["), QStringLiteral("- ["), QStringLiteral("x ["),
                                       QStringLiteral("÷ [")};
    QString texte;
    const int dernier = std::min(e.DernierIndiceTables, SharedState::TailleTables - 1);
    for (int i = 2; i + 3 <= dernier; i += 4) {
        const int operation = e.Tables[i + 3];
        if (operation < 0 || operation > 3) continue;
        texte += prefixes[operation] + QStringLiteral("%1 de %2 à %3]").arg(e.Tables[i]).arg(e.Tables[i + 1]).arg(e.Tables[i + 2]) +
                 forme.finTable;
    }
    return texte;
}

QString cas(const SharedState& e, const Forme& forme) {
    QString texte;
    if (e.CasSuccesseurs) texte += QStringLiteral("successeur") + forme.finCas;
    if (e.CasDoublesCarres) texte += QStringLiteral("double") + forme.finCas;
    if (texte.isEmpty()) texte = QStringLiteral("aucun") + forme.finCas;
    return texte;
}

int secondes(const SharedState& e) {
    const double jours = ProfilTexte::duree(e.HeureDebut, e.HeureFin);
    const double s = static_cast<double>(std::llround(jours * 86400000.0)) / 1000.0;
    return static_cast<int>(std::nearbyint(s));
}

int tauxArrondi(int questions, int erreurs) {
    return static_cast<int>(std::nearbyint(ProfilTexte::tauxDeReussite(questions, erreurs)));
}

QString tempsParQuestion(const SharedState& e) {
    return FormatFr::nombre(
        ProfilTexte::tempsParQuestion(ProfilTexte::duree(e.HeureDebut, e.HeureFin), e.NombreDeQuestions));
}
}  // namespace TextesResultat
