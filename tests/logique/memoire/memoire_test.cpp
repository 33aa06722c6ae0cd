// The memory model: a fact's family shares its memory, the pupil's typing time is set aside, the
// predictions are calibrated on a simulated class, and the forgetting curve is the published one.
#include "BorneAttente.h"
#include "DossierTemporaire.h"
#include "logique/journal/MagasinSql.h"
#include "logique/memoire/CourbeOubli.h"
#include "logique/memoire/ModeleMemoire.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr qint64 Jour = 86400000;
constexpr qint64 Rentree = 1756713600000;  // 2025-09-01, 8:00 UTC

QString simulation() {
    return qEnvironmentVariable("MARIVELLE_SIMULATION", QStringLiteral("/work/shared/simulation/eleves_simules.py"));
}

// A simulated class (20 pupils, 120 days, seed 7: both operations begun before its middle), read back through the journal's store.
const QList<ReponseResumee>& classeSimulee() {
    static const QList<ReponseResumee> reponses = [] {
        DossierTemporaire dossier;
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"),
                {simulation(), QStringLiteral("classe.sqlite"), QStringLiteral("--eleves"), QStringLiteral("20"),
                 QStringLiteral("--jours"), QStringLiteral("120"), QStringLiteral("--graine"), QStringLiteral("7")});
        p.waitForFinished(BorneAttenteMs);
        ParametresConnexion parametres;
        parametres.base = QStringLiteral("classe.sqlite");
        return MagasinSql(parametres).reponses(QStringLiteral("Simulation"));
    }();
    return reponses;
}

qint64 moitie(const QList<ReponseResumee>& reponses) {
    QList<qint64> moments;
    for (const ReponseResumee& r : reponses) moments.append(r.moment);
    std::sort(moments.begin(), moments.end());
    return moments[moments.size() / 2];
}

const ParametresMemoire& parametresSimules() {
    static const ParametresMemoire parametres = ModeleMemoire::ajuste(classeSimulee(), moitie(classeSimulee()));
    return parametres;
}

class Memoire : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo::exists(simulation()))
            GTEST_SKIP() << "la simulation d'élèves est absente : " << simulation().toStdString();
    }
};

ReponseResumee reponse(const QString& eleve, qint64 moment, Fait fait, bool juste, int ms) {
    ReponseResumee r;
    r.eleve = eleve;
    r.moment = moment;
    r.fait = fait;
    r.justePremierCoup = juste;
    r.msFin = juste ? ms : -1;
    return r;
}

const Fait SeptFoisHuit{7, Operation::Multiplication, 8, 56};
}  // namespace

TEST_F(Memoire, PractisingAFactRaisesTheRestOfItsFamily) {
    // Zoé practised 7×8 five days running, Léo 3×9: the same answers for the class's counts.
    QList<ReponseResumee> reponses;
    for (int j = 0; j < 5; ++j) {
        reponses.append(reponse(QStringLiteral("Zoé"), Rentree + j * Jour, SeptFoisHuit, true, 2500));
        reponses.append(reponse(QStringLiteral("Léo"), Rentree + j * Jour, {3, Operation::Multiplication, 9, 27}, true, 2500));
    }
    const ModeleMemoire modele(parametresSimules(), reponses);
    for (const Fait& parent :
         {Fait{8, Operation::Multiplication, 7, 56}, Fait{56, Operation::Division, 8, 7}, Fait{56, Operation::Division, 7, 8}}) {
        SCOPED_TRACE(parent.cle().toStdString());
        const double zoe = modele.prediction(QStringLiteral("Zoé"), parent, Rentree + 6 * Jour);
        const double leo = modele.prediction(QStringLiteral("Léo"), parent, Rentree + 6 * Jour);
        EXPECT_GT(zoe, leo + 0.03);
    }
}

TEST_F(Memoire, APupilsTypingTimeIsSetAside) {
    // Two pupils who know the same facts and think as fast; Lou types three times slower.
    const QList<Fait> faits{{2, Operation::Addition, 3, 5},
                            {7, Operation::Addition, 8, 15},
                            SeptFoisHuit,
                            {6, Operation::Multiplication, 9, 54},
                            {4, Operation::Multiplication, 5, 20}};
    QList<ReponseResumee> vif, lent;
    for (int i = 0; i < 100; ++i) {
        const Fait& f = faits[i % faits.size()];
        const int touches = QString::number(f.resultat).size() + 1;  // the digits and the validation
        const int reflexion = 600 + (i * 7919) % 3000;               // spread out, the same for both
        const bool juste = (i * 31) % 7 != 0;
        const qint64 moment = Rentree + (i / 10) * Jour + (i % 10) * 10000;
        vif.append(reponse(QStringLiteral("Ana"), moment, f, juste, reflexion + 300 * touches));
        lent.append(reponse(QStringLiteral("Lou"), moment, f, juste, reflexion + 900 * touches));
    }
    Predicteur ana(parametresSimules()), lou(parametresSimules());
    for (int i = 0; i < vif.size(); ++i) {
        ana.apprend(vif[i]);
        lou.apprend(lent[i]);
    }
    // What the model reads of the answers' times is the same, and so what it predicts.
    const qint64 ensuite = Rentree + 12 * Jour;
    for (const Fait& f : faits) {
        SCOPED_TRACE(f.cle().toStdString());
        const Caracteristiques a = ana.caracteristiques(QStringLiteral("Ana"), f, ensuite, 5);
        const Caracteristiques l = lou.caracteristiques(QStringLiteral("Lou"), f, ensuite, 5);
        for (int k = 0; k < Caracteristique::Nombre; ++k) EXPECT_NEAR(a.x[k], l.x[k], 0.02) << "caractéristique " << k;
        EXPECT_NEAR(ana.predit(QStringLiteral("Ana"), f, ensuite), lou.predit(QStringLiteral("Lou"), f, ensuite), 0.01);
    }
}

TEST_F(Memoire, PredictionsAreCalibratedOnASimulatedClass) {
    // Fitted on the first half; each question of the second predicted from what came before it.
    const QList<ReponseResumee> reponses = dansLOrdre(classeSimulee());
    const qint64 coupure = moitie(reponses);
    Predicteur predicteur(parametresSimules());
    QList<std::pair<double, bool>> predits;
    for (const ReponseResumee& r : reponses) {
        if (r.moment >= coupure) predits.append({predicteur.predit(r), r.justePremierCoup});
        predicteur.apprend(r);
    }
    std::sort(predits.begin(), predits.end());
    ASSERT_GT(predits.size(), 2000);
    for (int decile = 0; decile < 10; ++decile) {
        const qsizetype debut = predits.size() * decile / 10, fin = predits.size() * (decile + 1) / 10;
        double prevu = 0, observe = 0;
        for (qsizetype i = debut; i < fin; ++i) {
            prevu += predits[i].first;
            observe += predits[i].second;
        }
        SCOPED_TRACE(decile);
        EXPECT_NEAR(prevu / double(fin - debut), observe / double(fin - debut), 0.05);
    }
}

TEST(CourbeOubli, IsThePublishedForgettingCurve) {
    // An independent implementation of the published scheduler, from the npm registry.
    const QString dossier = QCoreApplication::applicationDirPath() + QStringLiteral("/npm");
    QProcess npm;
    npm.start(QStringLiteral("npm"), {QStringLiteral("install"), QStringLiteral("--prefix"), dossier,
                                      QStringLiteral("--no-audit"), QStringLiteral("--no-fund"), QStringLiteral("ts-fsrs@5")});
    if (!npm.waitForFinished(BorneAttenteMs) || npm.exitCode() != 0)
        GTEST_SKIP() << "ts-fsrs n'a pas pu être installé (npm ou le registre hors d'atteinte) : "
                     << npm.readAllStandardError().toStdString();
    const QList<std::pair<double, double>> cas{{0, 1}, {1, 1}, {3, 2}, {0.01, 1.0 / 96}, {30, 1}, {200, 30}, {2.5, 0.4}};
    QString script = QStringLiteral("const f = require(process.argv[1] + '/node_modules/ts-fsrs');");
    for (const auto& [t, s] : cas)
        script += QStringLiteral("console.log(f.forgetting_curve(0.5, %1, %2));").arg(t, 0, 'g', 17).arg(s, 0, 'g', 17);
    QProcess node;
    node.start(QStringLiteral("node"), {QStringLiteral("-e"), script, dossier});
    ASSERT_TRUE(node.waitForFinished(BorneAttenteMs));
    const QStringList valeurs = QString::fromUtf8(node.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(valeurs.size(), cas.size()) << node.readAllStandardError().toStdString();
    for (int i = 0; i < cas.size(); ++i) {
        SCOPED_TRACE(i);
        // ts-fsrs rounds to 8 decimals.
        EXPECT_NEAR(CourbeOubli::retenue(cas[i].first, cas[i].second), valeurs[i].toDouble(), 1e-8);
    }
}
