#include "results/TextesResultat.h"

#include "base/FormatFr.h"
#include "state/SharedState.h"
#include "results/ProfileFile.h"

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

QString intervalle(const EntreeTable& e) {
    return QStringLiteral("[%1 de %2 à %3]").arg(e.premier).arg(e.second).arg(e.troisieme);
}

QString tables(const SharedState& e, const Forme& forme) {
    static const QString signes[] = {QStringLiteral("+ "), QStringLiteral("- "), QStringLiteral("x "),
                                     QStringLiteral("÷ ")};
    QString texte;
    for (const EntreeTable& entree : e.entreesTables())
        if (entree.operationConnue()) texte += signes[entree.operation] + intervalle(entree) + forme.finTable;
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
