// The teacher's view of a class, from journals whose answers are known: each fact's state, the
// weekly figures, who needs help today and the class export, against values worked out by hand.
#include "DossierTemporaire.h"
#include "ServeurPostgres.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"
#include "logique/parametres/ParameterFiles.h"
#include "logique/suivi/ClasseEnBref.h"
#include "logique/suivi/PageEleve.h"
#include "logique/suivi/SuiviClasse.h"
#include "logique/revision/SeuilClasse.h"

#include <gtest/gtest.h>

namespace {
const QString Enseignant = QStringLiteral("Mme Durand");
const QString Classe_ = QStringLiteral("classe de Mme Durand/");
// Wednesday 9 December 2026, ISO week 50 (Monday 7 December).
const QDateTime Maintenant(QDate(2026, 12, 9), QTime(10, 0));

qint64 le(int mois, int jour, int heure, int minute) {
    return QDateTime(QDate(2026, mois, jour), QTime(heure, minute)).toMSecsSinceEpoch();
}

EntreeJournal reponse(const QString& eleve, qint64 moment, Fait fait, bool juste, int msFin, int type = 1) {
    return {.enseignant = Enseignant,
            .eleve = eleve,
            .moment = moment,
            .typeExercice = type,
            .position = 1,
            .fait = fait,
            .reponse = {},
            .justePremierCoup = juste,
            .essais = juste ? 1 : 2,
            .msFin = msFin,
            .operations = {}};
}

Fait fois(int a, int b) { return {a, Operation::Multiplication, b, a * b}; }
Fait plus(int a, int b) { return {a, Operation::Addition, b, a + b}; }

void fichierEleve(const QString& eleve, const QList<EntreeTable>& tables) {
    QStringList blocs;
    for (const EntreeTable& t : tables) blocs << BlocExercice({.tables = {t}});
    EcritFichier(Classe_ + NomsDossier::parametrage(eleve, Enseignant),
                 TexteParameterFileDeBlocs(Enseignant, eleve, blocs, 0, 0));
}

// Zoé: 7 × 8 automatic and 7 × 9 slow in November, then a good week and a bad one.
void remplitJournal(MagasinJournal& m) {
    const QString z = QStringLiteral("Zoé");
    for (const EntreeJournal& e :
         {reponse(z, le(11, 16, 9, 0), fois(7, 8), true, 2000), reponse(z, le(11, 16, 9, 1), fois(8, 7), true, 2500),
          reponse(z, le(11, 16, 9, 2), fois(7, 8), true, 1000), reponse(z, le(11, 16, 9, 3), fois(7, 9), true, 4000),
          reponse(z, le(12, 1, 9, 0), plus(1, 2), true, 1000), reponse(z, le(12, 1, 9, 1), plus(1, 2), true, 1200),
          reponse(z, le(12, 1, 9, 2), plus(1, 2), true, 1400), reponse(z, le(12, 1, 9, 3), plus(1, 2), true, 1600),
          reponse(z, le(12, 1, 9, 4), plus(1, 2), true, 1800), reponse(z, le(12, 8, 9, 0), fois(7, 8), false, 5000),
          reponse(z, le(12, 8, 9, 1), fois(9, 7), false, -1), reponse(z, le(12, 8, 9, 2), plus(1, 2), true, 900),
          reponse(z, le(12, 8, 9, 3), plus(2, 1), false, 6000),
          // A starting test's question: a typed answer of a fact, an exercise of its own.
          reponse(z, le(12, 8, 9, 4), plus(0, 3), true, 800, 6),
          // An odd-one-out question: a question and an exercise, no typed answer of a fact.
          reponse(z, le(12, 8, 9, 5), plus(4, 4), true, 7000, 3)})
        m.ajoute(e);
}

// The no-break spaces of the texts shown as plain ones, to compare them with the texts written here.
QString lisible(QString texte) { return texte.replace(QChar(0xa0), QLatin1Char(' ')); }

const ParametresConnexion JournalDeClasse = fichierSqlite(Classe_ + QStringLiteral("journal.sqlite"));
}  // namespace

TEST(Suivi, FactStateFromItsLastThreeAnswers) {
    struct Cas {
        QList<Essai> essais;
        EtatFait attendu;
    };
    const QList<Cas> cas = {
        {{}, EtatFait::JamaisVu},
        {{{true, 1200}, {true, 1500}, {true, 3000}}, EtatFait::Automatique},  // the threshold itself is quick
        {{{true, 1200}, {true, 3001}, {true, 1000}}, EtatFait::JusteLent},
        {{{true, 1200}, {true, 1500}}, EtatFait::JusteLent},                              // not yet shown automatic
        {{{false, 9000}, {true, 900}, {true, 900}, {true, 900}}, EtatFait::Automatique},  // mended
        {{{true, 900}, {false, 4000}, {true, 900}}, EtatFait::ARevoir},
        {{{false, 5000}, {true, 1000}, {true, 1100}}, EtatFait::ARevoir},
        {{{false, 800}, {false, 700}, {true, 600}}, EtatFait::ARevoir},
    };
    StatsFaits faits;  // case i gives 2 × i
    for (int i = 0; i < cas.size(); ++i) {
        StatFait& s = faits[Suivi::cleFamille(fois(2, i))];
        for (const Essai& e : cas[i].essais) s.ajoute({QString(), 0, 1, 1, fois(2, i), e.juste, e.ms});
        EXPECT_EQ(s.etat(3000), cas[i].attendu) << i;
    }
    // Most in need: "à revoir" before "juste mais lente", then the most missed, then the slowest.
    QStringList fragiles;
    for (const Fait& f : Suivi::faitsLesPlusFragiles(faits, 3000)) fragiles << f.cle();
    EXPECT_EQ(fragiles.join(QLatin1Char(' ')), u("2×7=14 2×6=12 2×5=10 2×2=4 2×3=6"));
    EXPECT_EQ(Mediane({4000, 1000, 2500, 2000}), 2000);
    EXPECT_EQ(Mediane({}), -1);
}

TEST(Suivi, GridCells) {
    Fait f;
    ASSERT_TRUE(Suivi::faitDeLaCase(Operation::Soustraction, 4, 5, f));
    EXPECT_EQ(f.cle(), u("9-4=5"));
    EXPECT_EQ(Suivi::caseDe(f).ligne, 4);
    EXPECT_FALSE(Suivi::faitDeLaCase(Operation::Division, 0, 3, f));
}

TEST(Suivi, ClassLinesWeeksAndWhoNeedsHelpAgainstHandWorkedFigures) {
    DossierTemporaire dossier;
    ASSERT_TRUE(QDir().mkpath(Classe_));
    fichierEleve(QStringLiteral("Zoé"), {EntreeTable::table(7, 8, 9, 2), EntreeTable::complement(3, 0)});
    fichierEleve(QStringLiteral("Adam"), {EntreeTable::table(5, 1, 2, 3), EntreeTable::table(5, 4, 6, 1)});
    MagasinSql magasin(JournalDeClasse);
    remplitJournal(magasin);
    // Read in parts at once, as the view reads; a part whose connection fails is read on the first.
    const OuvreMagasin autre = [] { return std::make_unique<MagasinSql>(JournalDeClasse); };
    const OuvreMagasin enPanne = []() -> std::unique_ptr<MagasinJournal> { throw ErreurJournal(QStringLiteral("panne")); };
    Classe c = Suivi::charge(Enseignant, Classe_, &magasin, Maintenant, {}, autre);
    for (const Classe& d : {Suivi::charge(Enseignant, Classe_, &magasin, Maintenant),
                            Suivi::charge(Enseignant, Classe_, &magasin, Maintenant, {}, enPanne)})
        for (qsizetype i = 0; i < c.eleves.size(); ++i) EXPECT_EQ(d.eleves.value(i).reponses.size(), c.eleves[i].reponses.size());
    ASSERT_EQ(c.eleves.size(), 2);
    ASSERT_EQ(c.eleves[1].eleve, u("Zoé"));
    const AnneeEleve& z = c.eleves[1];
    auto etat = [&](Fait f) { return z.faits.value(Suivi::cleFamille(f)).etat(3000); };
    EXPECT_EQ(QList<EtatFait>({etat(fois(8, 7)), etat(fois(7, 9)), etat(plus(1, 2)), etat(plus(3, 0))}),
              QList<EtatFait>({EtatFait::ARevoir, EtatFait::ARevoir, EtatFait::ARevoir, EtatFait::JusteLent}));
    EXPECT_EQ(z.faits.value(Suivi::cleFamille(fois(7, 8))).etatAvant(3000), EtatFait::Automatique);
    EXPECT_EQ(z.faits.value(Suivi::cleFamille(plus(1, 2))).etatAvant(3000), EtatFait::JamaisVu);  // first met on 1 December
    EXPECT_FALSE(z.faits.contains(Suivi::cleFamille(plus(4, 4))));

    // Weeks 47, 49 and 50: questions, exercises, typed, right at once, median time.
    for (const QList<int>& s : {QList<int>{202647, 4, 1, 4, 4, 2000}, {202649, 5, 1, 5, 5, 1400}, {202650, 6, 3, 5, 2, 900}}) {
        const Semaine w = z.semaines.value(s[0]);
        EXPECT_EQ(QList<int>({s[0], w.questions, w.exercices, w.tapees, w.justes, w.mediane()}), s);
    }
    // The chart's weeks from the start of the school year, 1 September: on 31 August it still shows
    // the year before. In December, from week 36 of 2026 to week 50.
    for (const auto& [jour, attendu] : {std::pair{Maintenant.date(), "15 dès 2026-08-31"},
                                        {QDate(2026, 9, 1), "1 dès 2026-08-31"},
                                        {QDate(2026, 8, 31), "53 dès 2025-09-01"},
                                        {QDate(2026, 1, 5), "19 dès 2025-09-01"}}) {
        const auto annee = Suivi::semainesDeLAnnee(z, jour);
        EXPECT_EQ(QString::number(annee.size()) + u(" dès ") + annee.value(0).lundi.toString(Qt::ISODate), u(attendu));
    }
    EXPECT_EQ(Suivi::semainesDeLAnnee(z, Maintenant.date()).value(14).tapees, 5);

    // The class lines' figures are checked in the export below.
    const LigneClasse l = Suivi::ligne(z, Maintenant.date(), c.seuilMs);
    EXPECT_EQ(l.medianeMs, 1600);
    // Due on 9 December: the facts met whose estimate is below the success aimed at: all seven of
    // Zoé, none answered on more than two days; at 60 % only the five missed lately.
    EXPECT_EQ(l.dusAujourdhui, 7);
    c.reussiteVisee = 60;
    Suivi::revise(c);
    EXPECT_EQ(Suivi::ligne(c.eleves[1], Maintenant.date(), c.seuilMs).dusAujourdhui, 5);
    c.reussiteVisee = 90;
    Suivi::revise(c);
    const LigneClasse adam = Suivi::ligne(c.eleves[0], Maintenant.date(), c.seuilMs);

    // Zoé only: success fell from 5/5 to 2/5, three facts more to review; the slowest first.
    const auto aides = Suivi::aAiderAujourdhui(c.eleves, c.seuilMs);
    ASSERT_EQ(aides.size(), 1);
    EXPECT_DOUBLE_EQ(aides[0].baisse, 0.6);
    EXPECT_EQ(aides[0].hausseARevoir, 3);
    QStringList faits;
    for (const Fait& f : aides[0].faits) faits << f.texteLisible();
    EXPECT_EQ(faits.join(QLatin1Char('|')), u("9 × 7 = 63|7 × 8 = 56|2 + 1 = 3"));

    // The export, read back by Python's csv module.
    const QString csv = dossier.chemin() + QStringLiteral("/classe.csv");
    ecritOctets(csv, Suivi::csvClasse({adam, l}));
    const QString lu = python({QStringLiteral("-c"),
                               QStringLiteral("import csv,sys\nassert open(sys.argv[1],'rb').read(3)==b'\\xef\\xbb\\xbf'\n"
                                              "for r in csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline=''),"
                                              "delimiter=';'): print('|'.join(r))"),
                               csv});
    const QStringList lignes = lu.split(QLatin1Char('\n'));
    ASSERT_GE(lignes.size(), 3) << lu.toStdString();
    EXPECT_TRUE(lignes[0].startsWith(u("Élève|Dernière connexion|Exercices cette semaine|")));
    EXPECT_TRUE(lignes[0].endsWith(u("|Faits jamais vus|Dus aujourd'hui")));
    EXPECT_EQ(lignes[1], u("Adam||0|0||||0|0|0|4|0"));
    EXPECT_EQ(lignes[2], u("Zoé|08/12/2026 09:05:00|3|6|40|100|1,6|0|1|3|0|7"));
}

// The threshold and the success aimed at share one file; a file of the former program (the
// threshold alone) reads as 90 %, and its reader (the first line's number) still finds the threshold.
TEST(Suivi, ClassThresholdAndTargetKeptInTheClassFolder) {
    DossierTemporaire dossier;
    ASSERT_TRUE(QDir().mkpath(Classe_));
    EXPECT_EQ(Revision::litSeuil(Classe_), 3000);
    EXPECT_EQ(Revision::litReussiteVisee(Classe_), 90);
    const QString fichier = Revision::fichierSeuil(Classe_);
    ecritOctets(fichier, cp1252("2500 - millisecondes au plus pour une réponse automatique\r\n"));
    EXPECT_EQ(Revision::litSeuil(Classe_), 2500);
    EXPECT_EQ(Revision::litReussiteVisee(Classe_), 90);
    Revision::ecritReussiteVisee(Classe_, 85);
    Revision::ecritSeuil(Classe_, 2000);
    EXPECT_EQ(octetsDe(fichier), cp1252("2000 - millisecondes au plus pour une réponse automatique\r\n"
                                        "85 - pour cent de réussite visée\r\n"));
    EXPECT_EQ(Revision::litReussiteVisee(Classe_), 85);
    ecritOctets(fichier, "trois secondes\r\n");
    EXPECT_EQ(Revision::litSeuil(Classe_), 3000);
}

// Two pupils playing together, and an answer delivered late by a computer's outbox: read in
// parts, each pupil's questions come back whole and oldest first.
TEST(Suivi, APupilSpreadOverThePartsIsReadWholeInOrder) {
    DossierTemporaire dossier;
    ASSERT_TRUE(QDir().mkpath(Classe_));
    MagasinSql magasin(JournalDeClasse);
    QList<qint64> attendu;
    for (int i = 1; i <= 40; ++i) {
        magasin.ajoute(reponse(QStringLiteral("Adam"), le(11, 16, 9, i), fois(7, i % 10), true, 2000));
        magasin.ajoute(reponse(QStringLiteral("Zoé"), le(11, 16, 10, i), fois(6, i % 10), true, 2000));
        attendu << le(11, 16, 10, i);
    }
    magasin.ajoute(reponse(QStringLiteral("Zoé"), le(11, 16, 10, 0), fois(6, 6), true, 2000));
    attendu.prepend(le(11, 16, 10, 0));
    const OuvreMagasin autre = [] { return std::make_unique<MagasinSql>(JournalDeClasse); };
    const Classe c = Suivi::charge(Enseignant, Classe_, &magasin, Maintenant, {}, autre);
    ASSERT_EQ(c.eleves.size(), 2);
    QList<qint64> lus;
    for (const ReponseResumee& r : c.eleves[1].reponses) lus << r.moment;
    EXPECT_EQ(lus, attendu);
    EXPECT_EQ(c.eleves[0].reponses.size(), 40);
}

// The class as a whole: this week (from Monday 7 December) against the four before (from week 46),
// and the families most missed by at least two pupils over the last 28 days.
TEST(Suivi, ClassTrendAndHardestFactsAgainstHandWorkedFigures) {
    const auto r = [](int mois, int jour, Fait f, bool juste, int type = 1) {
        return ReponseResumee{{}, le(mois, jour, 9, 0), type, 1, f, juste, juste ? 1000 : -1};
    };
    QList<ReponseResumee> adam, zoe;
    for (int i = 0; i < 5; ++i) adam << r(11, 5, fois(9, 9), false);  // 5 November: too old for either
    for (int i = 0; i < 10; ++i) adam << r(11, 17, fois(6, 6), i % 2 == 0);
    for (int i = 0; i < 5; ++i) adam << r(11, 24, fois(2, 2), false);  // one pupil only
    adam << r(12, 8, fois(7, 8), true) << r(12, 8, fois(7, 8), false) << r(12, 8, fois(7, 8), false) << r(12, 8, fois(3, 4), true)
         << r(12, 8, plus(4, 4), true, 3);
    for (int i = 0; i < 5; ++i) zoe << r(11, 5, fois(9, 9), false);
    for (int i = 0; i < 6; ++i) zoe << r(12, 1, fois(6, 6), true);
    zoe << r(12, 8, fois(8, 7), false) << r(12, 8, fois(8, 7), false);
    for (QList<ReponseResumee>* l : {&adam, &zoe})
        for (qsizetype i = 0; i < l->size(); ++i) (*l)[i].moment += i * 1000;  // one second apart, in order
    QList<AnneeEleve> classe;
    for (const QList<ReponseResumee>* l : {&adam, &zoe}) {
        classe << Suivi::analyse(QString(), *l, {}, Maintenant);
        classe.last().reponses = *l;
    }
    EXPECT_EQ(lisible(Suivi::texteTendance(Suivi::tendance(classe, Maintenant.date())).join(QLatin1Char('|'))),
              u("Juste du premier coup : 33 % cette semaine, 52 % les quatre d'avant (en baisse de 19 points).|"
                "Questions : 7 depuis lundi, en moyenne 5 par semaine les quatre d'avant."));
    QStringList difficiles;
    for (const FaitDifficile& d : Suivi::faitsLesPlusDifficiles(classe, Maintenant.toMSecsSinceEpoch()))
        difficiles << lisible(Suivi::texteDifficile(d));
    EXPECT_EQ(difficiles, QStringList({u("7 × 8 = 56 : 20 % du premier coup (2 élèves, 5 réponses)"),
                                       u("6 × 6 = 36 : 69 % du premier coup (2 élèves, 16 réponses)")}));
}

// The review's facts due, in the grids' order whatever their estimates; the pupil's operations,
// the one answered last first.
TEST(Suivi, PupilPageDueFactsInTableOrderAndOwnOperations) {
    Revision::EstimationsEleve e;
    for (const int b : {10, 1, 2}) e.dus << PredictionFait{fois(7, b), 0.5};
    e.bientot << PredictionFait{fois(8, 3), 0.95};
    EXPECT_EQ(lisible(Suivi::texteRevision(e)), u("Aujourd'hui, 3 calculs dus (estimés sous 90 %) : 7 × 1 = 7 ; 7 × 2 = 14 ; "
                                                  "7 × 10 = 70.\nD'ici une semaine, 1 autre passera sous 90 % : 8 × 3 = 24."));
    AnneeEleve b;
    b.faitsDesTables = Suivi::faitsDesTables({EntreeTable::table(3, 1, 2, 0), EntreeTable::table(4, 1, 2, 2)});
    const ReponseResumee derniere{{}, le(12, 8, 9, 0), 1, 1, fois(4, 2), true, 900};
    b.reponses = std::span(&derniere, 1);
    b.derniereQuestion = derniere.moment;
    EXPECT_EQ(Suivi::operationsDeLEleve(b), QList<Operation>({Operation::Multiplication, Operation::Addition}));
}
