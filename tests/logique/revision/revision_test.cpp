// The review's boxes over simulated days on the program's clock, its draw and the facts of tables.
#include "logique/base/Aleatoire.h"
#include "logique/base/Horloge.h"
#include "logique/revision/RevisionEleve.h"
#include "logique/revision/TirageRevision.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Revision;

namespace {
const Fait SeptFoisHuit{7, Operation::Multiplication, 8, 56};
constexpr qint64 Jour = 24LL * 3600 * 1000;

struct Eleve {
    QList<EntreeJournal> entrees;
    void repond(const Fait& f, bool juste, int ms = 1500, int type = 5, bool creature = false) {
        entrees.append({.enseignant = {},
                        .eleve = QStringLiteral("Léa"),
                        .moment = Horloge::maintenant().toMSecsSinceEpoch(),
                        .typeExercice = type,
                        .fait = f,
                        .reponse = {},
                        .justePremierCoup = juste,
                        .msFin = juste ? ms : -1,
                        .finCreature = creature,
                        .operations = {}});
    }
    QDate aujourdhui() const { return Horloge::maintenant().date(); }
    EtatFait etat(const Fait& f = SeptFoisHuit) const { return calculeBoites(entrees, aujourdhui()).at(f); }
};

class Jours : public ::testing::Test {
protected:
    // Monday 5 January 2026, ten in the morning.
    void SetUp() override { Horloge::fixe(QDateTime(QDate(2026, 1, 5), QTime(10, 0))); }
};
}  // namespace

// Missed on Monday, back on Tuesday, then 2, 4, 9, 14 and 14 days later while fluent; missed
// again: box 1 and back the next day. The draw gives it first on its day, not the day before.
TEST_F(Jours, AMissedFactComesBackTheNextDayThenFurtherApartWhileFluent) {
    Eleve eleve;
    const QList<Fait> faits = faitsDesTables({EntreeTable::table(7, 1, 10, 2)});
    Aleatoire::graine(5);
    eleve.repond(SeptFoisHuit, false);
    EXPECT_EQ(eleve.etat().boite, 1);
    EXPECT_TRUE(TirageRevision(calculeBoites(eleve.entrees, eleve.aujourdhui()), faits, eleve.aujourdhui()).rienADue());
    for (const auto& [jours, boite] :
         std::initializer_list<std::pair<int, int>>{{1, 2}, {2, 3}, {4, 4}, {9, 5}, {14, 5}, {14, 5}}) {
        Horloge::avance((jours - 1) * Jour);
        EXPECT_FALSE(estDu(eleve.etat(), eleve.aujourdhui())) << "a day early, box " << boite;
        Horloge::avance(Jour);
        EXPECT_TRUE(estDu(eleve.etat(), eleve.aujourdhui())) << "after " << jours << " days";
        TirageRevision tirage(calculeBoites(eleve.entrees, eleve.aujourdhui()), faits, eleve.aujourdhui());
        EXPECT_EQ(tirage.nombreDus(), 1);
        // Among the first questions (a known due fact takes seven questions in eight).
        const Fait premiers[] = {tirage.tire(), tirage.tire(), tirage.tire()};
        EXPECT_NE(std::find(std::begin(premiers), std::end(premiers), SeptFoisHuit), std::end(premiers));
        eleve.repond(SeptFoisHuit, true, 2000);
        // Answered again the same day: no further box.
        eleve.repond(SeptFoisHuit, true, 900);
        EXPECT_EQ(eleve.etat().boite, boite);
        EXPECT_EQ(eleve.etat().echeance, eleve.aujourdhui().addDays(intervalle(boite)));
    }
    Horloge::avance(14 * Jour);
    eleve.repond(SeptFoisHuit, false);
    EXPECT_EQ(eleve.etat().boite, 1);
    EXPECT_EQ(eleve.etat().echeance, eleve.aujourdhui().addDays(1));
}

// A fact in box 2 answered on its day: what each answer does to it.
TEST_F(Jours, OnlyAFluentFirstTryPromotesSlowStaysWrongOrCaughtGoesBackToBoxOne) {
    struct Cas {
        const char* nom;
        bool juste;
        int ms;
        int type;
        bool creature;
        int seuil;
        int boite;
    };
    for (const Cas& c :
         {Cas{"fluent", true, 3000, 5, false, 3000, 3}, Cas{"slow", true, 3001, 5, false, 3000, 2},
          Cas{"slow for 3 s, fluent for 5 s", true, 4000, 1, false, 5000, 3},
          Cas{"missing operand", true, 1000, 2, false, 3000, 3}, Cas{"wrong", false, 0, 5, false, 3000, 1},
          Cas{"caught", true, 1000, 5, true, 3000, 1}, Cas{"odd one out is not a typed answer", false, 0, 3, false, 3000, 2}}) {
        Horloge::fixe(QDateTime(QDate(2026, 1, 5), QTime(10, 0)));
        Eleve eleve;
        eleve.repond(SeptFoisHuit, false);
        Horloge::avance(Jour);
        eleve.repond(SeptFoisHuit, true);  // box 2, due in two days
        Horloge::avance(2 * Jour);
        eleve.repond(SeptFoisHuit, c.juste, c.ms, c.type, c.creature);
        const EtatFait f = calculeBoites(eleve.entrees, eleve.aujourdhui(), c.seuil).at(SeptFoisHuit);
        EXPECT_EQ(f.boite, c.boite) << c.nom;
        if (c.type != 3) {
            EXPECT_EQ(f.echeance, eleve.aujourdhui().addDays(intervalle(c.boite))) << c.nom;
        }
    }
    // Entries after the day asked for do not count yet.
    Eleve eleve;
    eleve.repond(SeptFoisHuit, true);
    EXPECT_TRUE(calculeBoites(eleve.entrees, eleve.aujourdhui().addDays(-1)).empty());
}

// Tables × 1 to 10 (100 facts): 30 known and due, 30 known for later, 40 never met. Each due fact
// comes once, oldest first, before any fact not due; the new ones come in between and, once the
// due ones are done, before the known; no fact twice in a row. About one first question in eight
// is new.
TEST_F(Jours, TheDrawAsksTheDueFactsFirstWithOneNewInEightAndNeverTheSameTwice) {
    const QList<Fait> faits = faitsDesTables(tablesUnADix(2));
    ASSERT_EQ(faits.size(), 100);
    const QDate aujourdhui(2026, 3, 2);
    Boites boites;
    for (int i = 0; i < 60; ++i) {
        // Facts 0..29 due, the older the lower their rank; 30..59 due tomorrow (box 1 among them).
        boites[faits[i]] = EtatFait{faits[i], 1 + i % 5, aujourdhui.addDays(-20),
                                    i < 30 ? aujourdhui.addDays(i - 30) : aujourdhui.addDays(1)};
    }
    Aleatoire::graine(20260302);
    TirageRevision tirage(boites, faits, aujourdhui);
    EXPECT_EQ(tirage.nombreDus(), 30);
    int rangDu = 0, nouveaux = 0;
    Fait precedent;
    for (int n = 0; n < 1000; ++n) {
        const Fait f = tirage.tire();
        const int rang = static_cast<int>(faits.indexOf(f));
        ASSERT_GE(rang, 0);
        if (n > 0) {
            ASSERT_NE(f, precedent) << "draw " << n;
        }
        precedent = f;
        if (rang < 30 && rangDu < 30) {
            EXPECT_EQ(rang, rangDu++) << "draw " << n;
        }
        if (rang >= 60 && n < 70) ++nouveaux;
        if (rang >= 30 && rang < 60) {
            ASSERT_GE(n, 70) << "a fact not due before every due and new one";
        }
    }
    EXPECT_EQ(rangDu, 30);
    EXPECT_EQ(nouveaux, 40);
    // The first question of 1000 reviews: 125 new expected at 1/8, sigma 10.5; within five sigma.
    int premiersNouveaux = 0;
    for (int n = 0; n < 1000; ++n) premiersNouveaux += faits.indexOf(TirageRevision(boites, faits, aujourdhui).tire()) >= 60;
    EXPECT_NEAR(premiersNouveaux, 125, 52);
}

// Missed yesterday (box 1) counts as due like any other: 0+10 and 1+9 missed, 2+8, 3+7 and 4+6
// due, 5+5, 6+4 and 7+3 due tomorrow. Ten questions of every seed ask the five due facts before
// any of the three, which only fill.
TEST_F(Jours, AFactMissedYesterdayIsAskedBeforeAnyFactNotDue) {
    QList<Fait> faits;
    for (int a = 0; a <= 7; ++a) faits << Fait{a, Operation::Addition, 10 - a, 10};
    const QDate aujourdhui(2026, 3, 3);
    Boites boites;
    for (int i = 0; i < 8; ++i)
        boites[faits[i]] = EtatFait{faits[i], i < 2 ? 1 : 3, aujourdhui.addDays(-1), i < 5 ? aujourdhui : aujourdhui.addDays(1)};
    for (quint32 graine = 1; graine <= 200; ++graine) {
        Aleatoire::graine(graine);
        TirageRevision tirage(boites, faits, aujourdhui);
        QList<Fait> questions;
        for (int n = 0; n < 10; ++n) questions << tirage.tire();
        for (int n = 0; n < 5; ++n) ASSERT_LT(faits.indexOf(questions[n]), 5) << "seed " << graine << ", question " << n;
        for (int n = 1; n < 10; ++n) ASSERT_NE(questions[n], questions[n - 1]) << "seed " << graine;
    }
}

// Nothing due among the pupil's facts: the screen's kind-message case. A fact due outside the
// pupil's tables does not count; a fresh pupil has nothing due.
TEST_F(Jours, NothingDueWhenNoFactOfThePupilsTablesIsDue) {
    Eleve eleve;
    eleve.repond(Fait{9, Operation::Addition, 4, 13}, false, 0, 1);
    Horloge::avance(Jour);
    const Boites boites = calculeBoites(eleve.entrees, eleve.aujourdhui());
    const QList<Fait> multiplications = faitsDesTables(tablesUnADix(2));
    EXPECT_TRUE(TirageRevision(boites, multiplications, eleve.aujourdhui()).rienADue());
    EXPECT_TRUE(TirageRevision({}, multiplications, eleve.aujourdhui()).rienADue());
    EXPECT_TRUE(TirageRevision(boites, multiplications, eleve.aujourdhui()).rienDeRencontre());
    EXPECT_FALSE(TirageRevision(boites, faitsDesTables(tablesUnADix(0)), eleve.aujourdhui()).rienDeRencontre());
    EXPECT_EQ(TirageRevision(boites, faitsDesTables(tablesUnADix(0)), eleve.aujourdhui()).nombreDus(), 1);
    EXPECT_EQ(nombreDusAujourdhui(eleve.entrees, eleve.aujourdhui()), 1);
    EXPECT_EQ(etatDeLEleve(eleve.entrees, eleve.aujourdhui()).dus.value(0).fait.cle(), QStringLiteral("9+4=13"));
}

// The facts of each kind of entry, the sign choice narrowing them, and the free-practice tables.
TEST(FaitsDesTables, EachEntryGivesTheFactsExerciseOneAsks) {
    const auto cles = [](const QList<Fait>& faits) {
        QStringList l;
        for (const Fait& f : faits) l << f.cle();
        return l.join(QLatin1Char(' '));
    };
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::table(3, 2, 4, 0)})), QStringLiteral("3+2=5 2+3=5 3+3=6 3+4=7 4+3=7"));
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::table(3, 2, 4, 1)})), QStringLiteral("3-2=1 3-3=0 4-3=1"));
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::table(6, 2, 3, 3)})), QStringLiteral("6÷2=3 6÷3=2"));
    // Complements as the draw makes them, for each operation.
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::complement(3, 0), EntreeTable::complement(3, 1), EntreeTable::complement(4, 2),
                                   EntreeTable::complement(3, 3)})),
              QStringLiteral("0+3=3 1+2=3 2+1=3 3-0=3 4-1=3 5-2=3 1×4=4 2×2=4 3÷1=3 6÷2=3"));
    const QList<EntreeTable> deux{EntreeTable::table(2, 1, 1, 2), EntreeTable::table(5, 1, 1, 0)};
    EXPECT_EQ(cles(faitsDesTables(deux, 0)), QStringLiteral("5+1=6 1+5=6"));
    EXPECT_EQ(cles(faitsDesTables(deux, 1)), QStringLiteral("2-1=1 5-1=4"));
    EXPECT_EQ(faitsDesTables({EntreeTable::table(1, 0, 2000000, 0)}).size(), 2 * OperandesMaxParEntree - 1);

    EntreeJournal libre, sequence;
    libre.fait = {6, Operation::Soustraction, 2, 4};
    sequence.fait = {6, Operation::Multiplication, 2, 12};
    sequence.position = 3;
    EXPECT_EQ(tablesDeLaPratiqueLibre({libre, sequence}), tablesUnADix(1));
    EXPECT_EQ(tablesDeLaPratiqueLibre({sequence}), tablesUnADix(0));
}
