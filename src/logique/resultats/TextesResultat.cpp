#include "logique/resultats/TextesResultat.h"

#include "logique/base/FormatFr.h"

namespace TextesResultat {
QString type(int typeExercice) {
    switch (typeExercice) {
        case 1: return QStringLiteral("donner résultat");
        case 2: return QStringLiteral("à trou");
        case 3: return QStringLiteral("intrus");
        case 4: return QStringLiteral("même résultat");
        case 5: return QStringLiteral("révision");
        case 6: return QStringLiteral("test de départ");
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

QString tables(const QList<EntreeTable>& entrees, const Forme& forme) {
    static const QString signes[] = {QStringLiteral("+ "), QStringLiteral("- "), QStringLiteral("x "), QStringLiteral("÷ ")};
    QString texte;
    for (const EntreeTable& entree : entrees)
        if (entree.operationConnue()) texte += signes[entree.operation] + intervalle(entree) + forme.finTable;
    return texte;
}

QString cas(const ResultatExercice& r, const Forme& forme) {
    QString texte;
    if (r.successeurs) texte += QStringLiteral("successeur") + forme.finCas;
    if (r.doubles) texte += QStringLiteral("double") + forme.finCas;
    if (texte.isEmpty()) texte = QStringLiteral("aucun") + forme.finCas;
    return texte;
}

QString tempsParQuestion(const ResultatExercice& r) { return FormatFr::nombre(r.tempsParQuestion); }
}  // namespace TextesResultat
