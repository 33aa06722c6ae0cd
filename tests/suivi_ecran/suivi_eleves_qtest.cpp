// The progress view driven as a teacher would: "aucun" chosen, "Suivi des élèves" clicked, the
// class sorted, a pupil opened, the family report saved and read back with pdftotext.
#include "DossierTemporaire.h"
#include "Pilote.h"
#include "TestEcran.h"
#include "app/TAccueil.h"
#include "base/FichierTexte.h"
#include "base/Horloge.h"
#include "interface/Affichage.h"
#include "interface/Ecrans.h"
#include "base/Messages.h"
#include "journal/AvisEnseignant.h"
#include "journal/Journal.h"
#include "journal/MagasinSql.h"
#include "identity/TSaisieIdentifiant.h"
#include "state/Utils.h"
#include "suivi_ecran/GrilleFaits.h"
#include "suivi_ecran/TSuiviEleves.h"

#include <QCategoryAxis>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QTableWidget>
#include <QtTest>
#include <memory>

namespace {
qint64 le(int jour, int minute) { return QDateTime(QDate(2026, 12, jour), QTime(9, minute)).toMSecsSinceEpoch(); }

// The class's journal in `base` (by default the class's own SQLite file).
void remplit(QString base = {}) {
    const QString classe = RepertoireDeClasse(QStringLiteral("aucun"));
    QDir().mkpath(classe);
    ParametresConnexion p;
    p.base = base.isEmpty() ? Journal::cheminSqlite(QStringLiteral("aucun"), classe) : base;
    MagasinSql m(p);
    auto ajoute = [&](const QString& eleve, qint64 moment, int a, int b, bool juste) {
        EntreeJournal e;
        e.enseignant = QStringLiteral("aucun");
        e.eleve = eleve;
        e.moment = moment;
        e.fait = Fait{a, Operation::Multiplication, b, a * b};
        e.justePremierCoup = juste;
        e.msFin = juste ? 1500 : 6000;
        m.ajoute(e);
    };
    // Théo is only in the class list; Adam: right and quick on 2 × 3; Zoé: 7 × 8 missed twice this week.
    FichierTexte::ecritLignes(classe + QStringLiteral("eleve_sans_enseignant.txt"),
                              {QStringLiteral("-----------Fichier des eleves sans enseignant---------"), u("Théo")});
    for (int i = 0; i < 3; ++i) ajoute(QStringLiteral("Adam"), le(8, i), 2, 3, true);
    ajoute(u("Zoé"), le(8, 0), 7, 8, false);
    ajoute(u("Zoé"), le(8, 1), 8, 7, false);
    ajoute(u("Zoé"), le(8, 2), 6, 6, true);
}
}  // namespace

class SuiviElevesTest : public TestEcran {
    Q_OBJECT

private slots:
    void leProfesseurOuvreTrieEtImprime() {
        DossierTemporaire dossier;
        Horloge::fixe(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        remplit();
        Affichage::fixeTaille(QSize(1024, 768));
        TSaisieIdentifiant identification;
        Ecrans::enregistre(Ecrans::Role::SaisieIdentifiant, &identification);
        TAccueil accueil;
        Ecrans::enregistre(Ecrans::Role::Accueil, &accueil);
        TSuiviEleves suivi;
        Ecrans::enregistre(Ecrans::Role::SuiviEleves, &suivi);
        identification.show();
        QVERIFY(QTest::qWaitForWindowExposed(&identification, BorneAttenteMs));

        QVERIFY(Pilote::clique(Pilote::controle<QListWidget>(&identification, QStringLiteral("lb_nom_ens_param")),
                               QStringLiteral("aucun")));
        QTest::mouseClick(Pilote::controle<QPushButton>(&identification, QStringLiteral("Suivi")), Qt::LeftButton);
        QTRY_VERIFY(suivi.isVisible());
        QVERIFY(!identification.isVisible());
        QCOMPARE(suivi.geometry(), QRect(0, 0, 1024, 768));

        auto* tableau = Pilote::controle<QTableWidget>(&suivi, QStringLiteral("TableauClasse"));
        QCOMPARE(tableau->rowCount(), 3);
        // A click on the "✗ À revoir" heading sorts by it, a second click the other way.
        QHeaderView* entete = tableau->horizontalHeader();
        const QPoint colonne(entete->sectionViewportPosition(9) + 5, entete->height() / 2);
        QStringList extremes;
        for (int clic = 0; clic < 2; ++clic) {
            QTest::mouseClick(entete->viewport(), Qt::LeftButton, {}, colonne);
            extremes << tableau->item(entete->sortIndicatorOrder() == Qt::DescendingOrder ? 0 : 2, 0)->text();
        }
        QCOMPARE(extremes, QStringList({u("Zoé"), u("Zoé")}));
        const int zoe = entete->sortIndicatorOrder() == Qt::DescendingOrder ? 0 : 2;
        QCOMPARE(tableau->item(zoe, 9)->text(), QStringLiteral("1"));
        QCOMPARE(tableau->item(zoe, 11)->text(), QStringLiteral("3"));  // due today: all three met yesterday
        int theo = 0;
        while (theo < 2 && tableau->item(theo, 0)->text() != u("Théo")) ++theo;
        QCOMPARE(QStringList({tableau->item(theo, 0)->text(), tableau->item(theo, 1)->text(), tableau->item(theo, 10)->text()}),
                 QStringList({u("Théo"), QStringLiteral("jamais"), QStringLiteral("toutes")}));
        QVERIFY(Pilote::controle<QListWidget>(&suivi, QStringLiteral("AAider"))->item(0)->text().startsWith(u("Zoé")));

        QTest::mouseClick(tableau->viewport(), Qt::LeftButton, {}, tableau->visualItemRect(tableau->item(zoe, 3)).center());
        QTest::mouseClick(Pilote::controle<QPushButton>(&suivi, QStringLiteral("VoirEleve")), Qt::LeftButton);
        QCOMPARE(Pilote::controle<QLabel>(&suivi, QStringLiteral("NomEleve"))->text(), u("Zoé"));
        auto* grille = Pilote::controle<GrilleFaits>(&suivi, QStringLiteral("Grille2"));
        QCOMPARE(grille->taille(), 11);
        QVERIFY(grille->description(8, 7).startsWith(u("8 × 7 = 56 : à revoir\n2 questions, 0 juste")));
        QVERIFY(grille->description(8, 7).endsWith(u("\nboîte 1, à revoir aujourd'hui")));
        QCOMPARE(Pilote::controle<QLabel>(&suivi, QStringLiteral("Revision"))->text(),
                 u("Révision : 3 calculs à revoir aujourd'hui (6 × 6 = 36 ; 7 × 8 = 56 ; 8 × 7 = 56)."));
        QCOMPARE(Pilote::textes(Pilote::controle<QListWidget>(&suivi, QStringLiteral("Fragiles"))).join(QLatin1Char('|')),
                 u("✗ 8 × 7 = 56   (à revoir, 6 s)|~ 6 × 6 = 36   (juste mais lente, 1,5 s)"));

        // The weeks by the date of their Monday, from the week of 1 September.
        auto* axe = qobject_cast<QCategoryAxis*>(
            Pilote::controle<QChartView>(&suivi, QStringLiteral("CourbeReussite"))->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axe);
        QCOMPARE(axe->categoriesLabels().mid(0, 2), QStringList({u("31 août"), u("14 sept.")}));

        const QString pdf = dossier.chemin() + QStringLiteral("/bilan.pdf");
        suivi.enregistrePdf(pdf);
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(BorneAttenteMs));
        const QString texte = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(texte.contains(u("Calcul mental : le bilan de Zoé")), qPrintable(texte));
        QVERIFY(texte.contains(u("Période : du lundi 31 août 2026 au mercredi 9 décembre 2026")));
        QVERIFY(texte.contains(u("0 calculs sur 2 sont su par cœur")));
        QVERIFY(texte.contains(u("À travailler à la maison")));
        QVERIFY(texte.contains(u("8 × 7 = 56")));
        QVERIFY(texte.contains(u("Les progrès, semaine après semaine")));
        QCOMPARE(QProcess::execute(QStringLiteral("pdfinfo"), {pdf}), 0);

        QTest::mouseClick(Pilote::controle<QPushButton>(&suivi, QStringLiteral("Retour")), Qt::LeftButton);
        QTRY_VERIFY(identification.isVisible());
        QVERIFY(!suivi.isVisible());
    }

    // With a school server the view reads the server's store; without one it reads the class's
    // file when there is one. It never makes a file.
    void unServeurDEcoleEstLuEtAucunFichierNEstCree() {
        DossierTemporaire dossier;
        const QString serveur = dossier.chemin() + QStringLiteral("/serveur.sqlite");
        remplit(serveur);
        const QString classe = RepertoireDeClasse(QStringLiteral("aucun"));
        ParametresConnexion p;
        p.base = serveur;
        Journal::installeFabrique([p](const QString&, const QString&) { return std::make_unique<MagasinSql>(p); },
                                  dossier.chemin() + QStringLiteral("/boite.jsonl"));
        TSuiviEleves suivi;
        suivi.charge(QStringLiteral("aucun"), classe);
        auto* tableau = Pilote::controle<QTableWidget>(&suivi, QStringLiteral("TableauClasse"));
        QCOMPARE(tableau->rowCount(), 3);
        Journal::installeFabrique(nullptr);
        suivi.charge(QStringLiteral("aucun"), classe);
        QCOMPARE(tableau->rowCount(), 1);  // Théo, of the class list
        QVERIFY(!QFileInfo::exists(Journal::cheminSqlite(QStringLiteral("aucun"), classe)));
    }

    // The class's file damaged (the pages of the pupils' names overwritten): the view shows what
    // can be read and says what could not; what the journal keeps for the teacher is told first.
    void unJournalAbimeEstLuAutantQuIlPeutLEtre() {
        DossierTemporaire dossier;
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        remplit();
        const QString classe = RepertoireDeClasse(QStringLiteral("aucun"));
        const QString fichier = Journal::cheminSqlite(QStringLiteral("aucun"), classe);
        QProcess racines;
        racines.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import sqlite3, sys; print(sqlite3.connect("
                      "sys.argv[1]).execute(\"SELECT group_concat(rootpage) FROM sqlite_master WHERE tbl_name = 'journal_eleves'\").fetchone()[0])"), fichier});
        QVERIFY(racines.waitForFinished(20000));
        QByteArray octets = octetsDe(fichier);
        for (const QByteArray& page : racines.readAllStandardOutput().trimmed().split(','))
            octets.replace((page.toInt() - 1) * 4096, 4096, QByteArray(4096, char(0xA5)));
        ecritOctets(fichier, octets);
        AvisEnseignant::note(classe, u("Un avis."));
        TSuiviEleves suivi;
        suivi.charge(QStringLiteral("aucun"), classe);
        const QStringList vus = Messages::recueille();
        QCOMPARE(vus.size(), 2);
        QVERIFY2(vus[0].endsWith(u(" : Un avis.")), qPrintable(vus[0]));
        QVERIFY2(vus[1].startsWith(u("Le journal des réponses « %1 » est abîmé : 6 questions ont pu être lues ; aucune n'a été perdue.").arg(fichier)),
                 qPrintable(vus[1]));
        auto* tableau = Pilote::controle<QTableWidget>(&suivi, QStringLiteral("TableauClasse"));
        QStringList noms;
        for (int r = 0; r < tableau->rowCount(); ++r) noms << tableau->item(r, 0)->text();
        noms.sort();
        QCOMPARE(noms, QStringList({u("Théo"), u("élève non retrouvé n° 1"), u("élève non retrouvé n° 2")}));
        QCOMPARE(octetsDe(fichier), octets);  // the view never writes it
        Messages::installeRepondeur(nullptr);
    }
};

MARIVELLE_QTEST_MAIN(SuiviElevesTest)
#include "suivi_eleves_qtest.moc"
