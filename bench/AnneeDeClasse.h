#pragma once
// A class's school year in memory, for the benchmarks of the memory model and of what uses it:
// 30 pupils, 10,000 questions each over 180 days (56 a day), the + and × tables 1 to 10.
#include "logique/base/Aleatoire.h"
#include "logique/journal/MagasinJournal.h"

inline constexpr qint64 Jour = 86400000;
inline constexpr qint64 Rentree = 1756713600000;
inline constexpr qint64 FinDAnnee = Rentree + 181 * Jour;

// Synthetic answers: each pupil knows each fact with a chance that grows with practice.
inline const QList<ReponseResumee>& anneeDeClasse() {
    static const QList<ReponseResumee> reponses = [] {
        Aleatoire::graine(2025);
        QList<ReponseResumee> liste;
        liste.reserve(300000);
        for (int e = 0; e < 30; ++e) {
            const QString eleve = QStringLiteral("Élève %1").arg(e + 1);
            for (int i = 0; i < 10000; ++i) {
                ReponseResumee r;
                r.eleve = eleve;
                r.moment = Rentree + (i / 56) * Jour + (i % 56) * 8000;
                const int a = 1 + Aleatoire::random(10), b = 1 + Aleatoire::random(10);
                r.fait = Aleatoire::random(2) ? Fait{a, Operation::Multiplication, b, a * b}
                                              : Fait{a, Operation::Addition, b, a + b};
                r.justePremierCoup = Aleatoire::random(100) < 60 + 35 * i / 10000;
                r.msFin = r.justePremierCoup ? 1500 + Aleatoire::random(4000) : -1;
                liste.append(r);
            }
        }
        return liste;
    }();
    return reponses;
}
