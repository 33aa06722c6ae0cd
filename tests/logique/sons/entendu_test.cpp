// What a child hears: the words the speech engine is given, how long the first exercise's
// instruction takes to say, and the effects' loudness. The speech engine (espeak-ng) and sox
// measure; without them those cases are skipped.
#include "BorneAttente.h"
#include "DossierTemporaire.h"
#include "EnregistreurSons.h"
#include "logique/sons/Phrases.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

namespace {
// What a program prints (standard and error output) once it has ended.
QString sortieDe(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    EXPECT_TRUE(p.waitForFinished(BorneAttenteMs)) << programme.toStdString();
    return QString::fromUtf8(p.readAll());
}
// A value of `sox <file> -n stats`, in dB.
double statistique(const QString& fichier, const QString& nom) {
    for (const QString& ligne :
         sortieDe(QStringLiteral("sox"), {fichier, QStringLiteral("-n"), QStringLiteral("stats")}).split('\n'))
        if (ligne.startsWith(nom)) return ligne.split(' ', Qt::SkipEmptyParts).last().toDouble();
    ADD_FAILURE() << "pas de " << nom.toStdString() << " pour " << fichier.toStdString();
    return 0;
}
bool present(const char* programme) { return !QStandardPaths::findExecutable(QString::fromLatin1(programme)).isEmpty(); }
}  // namespace

// "plus" between two numbers is given to the engine as it is said (/plys/); the other words of a
// question and the statements go as they are written.
TEST(Entendu, PlusIsGivenToTheEngineAsItIsSaid) {
    QStringList entendu;
    Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu));
    Sons::regle({false, true});
    Sons::litQuestion(Phrases::operation(7, Operation::Addition, 8));
    Sons::litQuestion(Phrases::aTrou(7, Operation::Addition, 8, 15, true));
    Sons::litQuestion(Phrases::operation(12, Operation::Soustraction, 5));
    Sons::litConsigne(QStringLiteral("Il n'y a plus de bulles"));
    EXPECT_EQ(entendu,
              QStringList({QStringLiteral("puis sept pluss huit"), QStringLiteral("puis combien pluss huit égale quinze"),
                           QStringLiteral("puis douze moins cinq"), QStringLiteral("dit Il n'y a plus de bulles")}));
}

// The first exercise's instruction, in each of its forms as the screen writes it, is said in about
// four seconds at the voice's pace (150 words a minute: the engine took 8.9 s for the whole text).
TEST(Entendu, TheFirstExercisesInstructionIsSaidInAboutFourSeconds) {
    if (!present("espeak-ng") || !present("sox")) GTEST_SKIP() << "espeak-ng ou sox absent";
    const QString trouve = QStringLiteral("Aide le poisson à trouver le résultat de l'opération");
    const QStringList consignes[] = {
        {trouve,
         QStringLiteral("Tape la réponse au clavier, puis tape sur \"entrée\" ou clique sur le poisson jaune pour valider")},
        {QStringLiteral("Vite, aide le poisson à trouver le résultat de l'opération\navant que le requin n'éclate la bulle!"),
         QStringLiteral("Tape la réponse au clavier, puis tape sur \"entrée\"")},
        {trouve, QStringLiteral("Tape la réponse au clavier ou clique sur la réponse au fond de l'eau, puis tape sur \"entrée\" "
                                "ou\nclique sur le poisson jaune pour valider")},
    };
    DossierTemporaire dossier;
    for (const QStringList& enonces : consignes) {
        const QString dit = Phrases::consigne(enonces);
        SCOPED_TRACE(dit.toStdString());
        sortieDe(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), QStringLiteral("fr"), QStringLiteral("-s"),
                                               QStringLiteral("150"), QStringLiteral("-w"), QStringLiteral("dit.wav"), dit});
        const double secondes = sortieDe(QStringLiteral("soxi"), {QStringLiteral("-D"), QStringLiteral("dit.wav")}).toDouble();
        EXPECT_GT(secondes, 1.0);
        EXPECT_LT(secondes, 4.2);
    }
}

// No effect is lost under the others: their loudness (RMS) within 2 dB of each other, none clipped.
TEST(Entendu, TheEffectsAreEquallyLoud) {
    if (!present("sox")) GTEST_SKIP() << "sox absent";
    double plusFaible = 0, plusFort = -200;
    for (int e = 0; e < NombreEffets; ++e) {
        const QString fichier = QStringLiteral(MARIVELLE_DOSSIER_TESTS "/../../../data/sons/") + FichierEffet(Effet(e));
        SCOPED_TRACE(fichier.toStdString());
        const double rms = statistique(fichier, QStringLiteral("RMS lev dB"));
        plusFaible = std::min(plusFaible, rms);
        plusFort = std::max(plusFort, rms);
        EXPECT_LT(statistique(fichier, QStringLiteral("Pk lev dB")), -1.0);
    }
    EXPECT_LE(plusFort - plusFaible, 2.0);
    EXPECT_LT(plusFort, -6.0);  // the numbers are a real measure, not sox's 0 of a missing file
}
