// The family reports of two pupils in one PDF, read back by independent readers: pdfinfo for the
// pages, pdftotext for the words, pdftoppm for where the ink lies on each page.
#include "BorneAttente.h"
#include "DossierTemporaire.h"
#include "logique/base/FichierTexte.h"
#include "ecrans/suivi/RapportFamille.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
const QDate Aujourdhui(2026, 12, 9);

QByteArray lance(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(BorneAttenteMs);
    return p.readAllStandardOutput();
}

// The words of page `n`, blanks made single.
QString texte(const QString& pdf, int n) {
    const QString page = QString::number(n);
    return QString::fromUtf8(lance(QStringLiteral("pdftotext"), {"-f", page, "-l", page, pdf, "-"})).simplified();
}

// The longest run of rows without ink between the first and the last inked row, as a share of
// the page's height.
double plusGrandBlanc(const QString& pdf, int n) {
    const QString page = QString::number(n);
    const QByteArray pgm = lance(QStringLiteral("pdftoppm"), {"-f", page, "-l", page, "-r", "40", "-gray", pdf});
    const QList<QByteArray> entete = pgm.left(40).split('\n');  // "P5", "<width> <height>", "255"
    const int largeur = entete.value(1).split(' ').value(0).toInt(), hauteur = entete.value(1).split(' ').value(1).toInt();
    const qsizetype debut = entete[0].size() + entete[1].size() + entete[2].size() + 3;
    int premier = -1, dernier = -1, blanc = 0, pire = 0;
    for (int y = 0; y < hauteur; ++y) {
        const QByteArray ligne = pgm.mid(debut + qsizetype(y) * largeur, largeur);
        if (!std::any_of(ligne.begin(), ligne.end(), [](char c) { return quint8(c) < 225; })) {
            ++blanc;
            continue;
        }
        if (premier < 0) premier = y;
        else pire = std::max(pire, blanc);
        dernier = y;
        blanc = 0;
    }
    return premier < 0 || dernier - premier < hauteur / 2 ? 1.0 : double(pire) / hauteur;
}

ReponseResumee question(int mois, int jour, const Fait& fait, bool juste, int ms = 1500) {
    return {.eleve = {},
            .moment = QDateTime(QDate(2026, mois, jour), QTime(9, 0)).toMSecsSinceEpoch(),
            .fait = fait,
            .justePremierCoup = juste,
            .msFin = juste ? ms : -1};
}
Fait fois(int a, int b) { return {a, Operation::Multiplication, b, a * b}; }
}  // namespace

// Zoé began on Monday 2 November: 7 × 8 known by heart, 6 × 7 slow, 9 × 4 missed, and a damaged
// record "56 ÷ 0 = 0"; the teacher wrote her a word. Théo has the table of 2 and no answer yet:
// lines to write by hand.
TEST(RapportFamille, EachPupilHasAFullPageThatSaysItInFrench) {
    DossierTemporaire dossier;
    QList<ReponseResumee> reponses;
    for (int jour : {2, 9, 16, 23}) {
        reponses << question(11, jour, fois(7, 8), true) << question(11, jour, fois(6, 7), true, 5000)
                 << question(11, jour, fois(9, 4), jour == 2);
    }
    reponses << question(12, 7, {56, Operation::Division, 0, 0}, false);
    const QDateTime maintenant(Aujourdhui, QTime(16, 0));
    AnneeEleve zoe = Suivi::analyse(QStringLiteral("Zoé Martin en classe de ce2"), reponses, {}, maintenant);
    zoe.reponses = reponses;
    QHash<CleFait, Fait> tables;
    for (int k = 1; k <= 3; ++k) tables.insert(Suivi::cleFamille(fois(2, k)), fois(2, k));
    const AnneeEleve theo = Suivi::analyse(QStringLiteral("Théo"), {}, tables, maintenant);
    const QString mot = QStringLiteral("Zoé a beaucoup progressé ce trimestre. Bravo !");
    const QString pdf = dossier.chemin() + QStringLiteral("/bilans.pdf");
    RapportFamille::enregistrePdf(pdf, {{&zoe, QStringLiteral("Mme Durand"), Aujourdhui, 3000, mot},
                                        {&theo, QStringLiteral("Mme Durand"), Aujourdhui, 3000, {}}});
    ASSERT_TRUE(QString::fromUtf8(lance(QStringLiteral("pdfinfo"), {pdf})).simplified().contains(QStringLiteral("Pages: 2")));

    const QString premiere = texte(pdf, 1);
    for (const char* partie :
         {"Calcul mental : le bilan de Zoé Martin en classe de ce2",
          "Période : du lundi 2 novembre 2026 au mercredi 9 décembre 2026",
          "1 calcul sur 3 est su par cœur. Parmi les autres, 1 est juste mais encore lent et 1 est à revoir.", "✗ 9 × 4 = 36",
          "~ 6 × 7 = 42", "Part des calculs justes du premier coup", "Le mot de Mme Durand"})
        EXPECT_TRUE(premiere.contains(QString::fromUtf8(partie))) << partie << "\n" << premiere.toStdString();
    EXPECT_TRUE(premiere.contains(mot)) << premiere.toStdString();
    EXPECT_FALSE(premiere.contains(QStringLiteral("÷"))) << premiere.toStdString();
    const QString seconde = texte(pdf, 2);
    for (const char* partie : {"Bilan du mercredi 9 décembre 2026 : pas encore d'exercice fait cette année.",
                               "Aucun des 3 calculs à apprendre n'a encore été travaillé.",
                               "La courbe des progrès paraîtra avec les premiers exercices."})
        EXPECT_TRUE(seconde.contains(QString::fromUtf8(partie))) << partie << "\n" << seconde.toStdString();
    // The page is used from top to bottom: no blank band of more than a tenth of its height.
    for (int page : {1, 2}) EXPECT_LT(plusGrandBlanc(pdf, page), 0.1) << "page " << page;
}
