#include "logique/journal/ReponsesTassees.h"

#include <algorithm>

namespace {
constexpr qint64 MoitieOperandes = ReponsesTassees::Operandes / 2;
constexpr qint64 MoitieResultats = ReponsesTassees::Resultats / 2;
constexpr qint64 MasqueTemps = (qint64(1) << ReponsesTassees::BitsTemps) - 1;
}  // namespace

namespace ReponsesTassees {
QString sqlCodes() {
    return QStringLiteral("((((type_exercice * CAST(%1 AS BIGINT) + position) * %2 + operation) * 2 + juste_premier) * 2 "
                          "+ fin_creature) * %3 + CASE WHEN ms_fin < 0 THEN 0 ELSE ms_fin + 1 END")
        .arg(Positions)
        .arg(Operations)
        .arg(MasqueTemps + 1);
}

QString sqlFait() {
    return QStringLiteral("CASE WHEN gauche >= -%1 AND gauche < %1 AND droite >= -%1 AND droite < %1 "
                          "AND resultat >= -%2 AND resultat < %2 "
                          "THEN ((gauche + CAST(%1 AS BIGINT)) * %3 + droite + %1) * %4 + resultat + %2 ELSE -1 END")
        .arg(MoitieOperandes)
        .arg(MoitieResultats)
        .arg(Operandes)
        .arg(Resultats);
}

void litCodes(qint64 codes, ReponseResumee& r) {
    r.msFin = int(codes & MasqueTemps) - 1;
    codes >>= BitsTemps;
    r.finCreature = (codes & 1) != 0;
    codes >>= 1;
    r.justePremierCoup = (codes & 1) != 0;
    codes >>= 1;
    r.fait.operation = static_cast<Operation>(std::clamp<qint64>(codes % Operations, 0, 3));
    codes /= Operations;
    r.position = int(codes % Positions);
    r.typeExercice = int(codes / Positions);
}

bool litFait(qint64 tasse, Fait& fait) {
    if (tasse < 0) return false;
    fait.resultat = int(tasse % Resultats - MoitieResultats);
    tasse /= Resultats;
    fait.droite = int(tasse % Operandes - MoitieOperandes);
    fait.gauche = int(tasse / Operandes - MoitieOperandes);
    return true;
}
}  // namespace ReponsesTassees
