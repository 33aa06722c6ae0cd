// The file module under hostile conditions: a full disk, links, kills at any moment.
#include "BorneAttente.h"
#include "DossierTemporaire.h"
#include "Enfant.h"
#include "MessageDe.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Verrou.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QStringList lignesDe(char lettre, int nombre) { return QStringList(nombre, QString(40, QLatin1Char(lettre))); }

int temporairesDans(const QString& dossier) {
    int n = 0;
    for (const QString& nom : QDir(dossier).entryList(QDir::Files | QDir::Hidden)) n += FichierTexte::estTemporaire(nom);
    return n;
}

// Each write that does not fit: it throws a French message naming the file and the reason, and
// the file keeps its bytes. 0 when all went so, else the number of the first case that did not.
int ecrituresQuiNeTiennentPas(const QString& raison) {
    const QByteArray avant = octetsDe("a.txt");
    const QList<std::function<void()>> ecritures = {
        [] { FichierTexte::ecritLignes("a.txt", lignesDe('b', 60)); },
        [] { FichierTexte::ecritTexte("a.txt", lignesDe('c', 60).join("\r\n")); },
        [] { FichierTexte::modifieLignes("a.txt", [](QStringList& l, bool) { return l << lignesDe('d', 30), true; }); },
        [] { FichierTexte::ajoute("a.txt", lignesDe('e', 30).join("\r\n")); },
        [] { FichierTexte::ecritLignes("nouveau.txt", lignesDe('f', 60)); },
    };
    for (int i = 0; i < ecritures.size(); ++i) {
        const QString message = messageDe<ErreurFichier>(ecritures[i]);
        if (!message.contains(raison) || !message.contains(".txt »") || octetsDe("a.txt") != avant || temporairesDans(".") != 0 ||
            QFile::exists("nouveau.txt")) {
            std::fprintf(stderr, "cas %d : %s\n", i, qPrintable(message));
            return 10 + i;
        }
    }
    return 0;
}
}  // namespace

TEST(FichierFiable, AWriteBeyondTheAllowedSizeKeepsTheOldFile) {
    DossierTemporaire dossier;
    FichierTexte::ecritLignes("a.txt", lignesDe('a', 50));
    const int code = dansUnEnfant([] {
        limiteTailleFichiers(octetsDe("a.txt").size() + 100);
        return ecrituresQuiNeTiennentPas(QString::fromUtf8("le fichier dépasserait la taille permise"));
    });
    EXPECT_EQ(code, 0);
}

TEST(FichierFiable, AFullOrReadOnlyDiskKeepsTheOldFile) {
    // A small disk of its own needs a mount namespace; where the system refuses one, skip.
    QTemporaryDir point;
    const QByteArray chemin = QFile::encodeName(point.path());
    const int code = dansUnEnfant([&] {
        if (!montePetitDisque(chemin, "64k")) return 77;
        QDir::setCurrent(point.path());
        FichierTexte::ecritLignes("a.txt", lignesDe('a', 50));
        remplitDisque();
        if (int e = ecrituresQuiNeTiennentPas(QString::fromUtf8("il n'y a plus de place sur le disque"))) return e;
        unlink("remplissage");
        if (mount(nullptr, chemin.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) return 0;
        return ecrituresQuiNeTiennentPas(QString::fromUtf8("le disque est en lecture seule")) ? 30 : 0;
    });
    if (code == 77) GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(code, 0);
}

TEST(FichierFiable, LinksAndPathsOutOfTheWorkingFolderAreNeverWritten) {
    QTemporaryDir ailleurs;
    const QString dehors = ailleurs.filePath("dehors.txt");
    ecritOctets(dehors, "intact\r\n");
    DossierTemporaire dossier;
    QFile::link(dehors, "lien.txt");
    QFile::link(ailleurs.filePath("absent.txt"), "pendant.txt");
    QFile::link(ailleurs.path(), "classe de Lien");
    QDir().mkdir("classe de Martin");
    // A folder beside the working folder whose name begins with the working folder's name.
    const QString voisin = QDir::current().canonicalPath() + "-voisin";
    QDir().mkdir(voisin);
    const QStringList cibles = {"lien.txt",
                                "pendant.txt",
                                "classe de Lien/x.txt",
                                "classe de Lien/dehors.txt",
                                dehors,
                                "../dehors.txt",
                                "classe de Martin/../../dehors.txt",
                                voisin + "/x.txt",
                                "../" + QFileInfo(voisin).fileName() + "/x.txt"};
    for (const QString& cible : cibles) {
        const QList<std::function<void()>> ecritures = {
            [&] { FichierTexte::ecritLignes(cible, {"x"}); },
            [&] { FichierTexte::ecritTexte(cible, "x"); },
            [&] { FichierTexte::ajoute(cible, "x"); },
            [&] { FichierTexte::modifieLignes(cible, [](QStringList& l, bool) { return l << "x", true; }); },
            [&] { FichierTexte::supprime(cible); },
        };
        for (const auto& ecriture : ecritures) {
            const QString message = messageDe<ErreurFichier>(ecriture);
            EXPECT_TRUE(message.contains(QString::fromUtf8("Marivelle ne le modifie pas")) || message.contains("introuvable"))
                << cible.toStdString() << " : " << message.toStdString();
        }
    }
    EXPECT_EQ(octetsDe(dehors), QByteArray("intact\r\n"));
    EXPECT_EQ(QDir(ailleurs.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"dehors.txt"}));
    EXPECT_TRUE(QFileInfo("lien.txt").isSymLink());
    EXPECT_EQ(QDir(voisin).entryList(QDir::Files | QDir::Hidden), QStringList());
    QDir(voisin).removeRecursively();
    // Inside the working folder everything works, in a class folder as well.
    FichierTexte::ecritLignes("classe de Martin/x.txt", {"x"});
    FichierTexte::ajoute(QDir::current().filePath("classe de Martin/x.txt"), "y");
    EXPECT_EQ(FichierTexte::litLignes("classe de Martin/x.txt"), QStringList({"x", "y"}));
}

// A lock is taken over at once when its program is surely gone: killed while creating it (empty,
// a second old), or of this computer and no longer running. Another computer's program cannot be
// looked at: its lock holds until it is 30 s old.
TEST(FichierFiable, ALockIsTakenOverOnlyWhenItsProgramIsSurelyGone) {
    DossierTemporaire dossier;
    const QByteArray mort = "4194305\nmarivelle\n";  // above any process number Linux gives
    const QByteArray ici = mort + QSysInfo::machineHostName().toUtf8() + "\n", ailleurs = mort + "autre-poste\n";
    for (const auto& [contenu, age, pris] :
         {std::tuple{QByteArray(), 5, true}, {ici, 0, true}, {ailleurs, 5, false}, {ailleurs, 40, true}}) {
        SCOPED_TRACE(contenu.toStdString() + "(" + std::to_string(age) + " s)");
        QFile verrou("a.txt.verrou");
        ASSERT_TRUE(verrou.open(QIODevice::WriteOnly) && verrou.write(contenu) == contenu.size() && verrou.flush() &&
                    verrou.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime));
        EXPECT_EQ(messageDe<ErreurFichier>([] { Verrou v("a.txt", 100); }),
                  pris ? QString() : u("Le fichier « a.txt » est utilisé par un autre programme. Réessayez dans un instant."));
        QFile::remove("a.txt.verrou");
    }
}

TEST(FichierFiable, AKillAtAnyMomentLeavesTheOldOrTheNewFileAndLeftoversAreCleaned) {
    DossierTemporaire dossier;
    const QStringList courte = lignesDe('a', 30), longue = lignesDe('b', 200);
    QByteArray octetsCourte, octetsLongue;
    for (const QString& l : courte) octetsCourte += l.toLatin1() + "\r\n";
    for (const QString& l : longue) octetsLongue += l.toLatin1() + "\r\n";
    FichierTexte::ecritLignes("p.txt", courte);
    FichierTexte::ecritLignes("q.txt", {});
    const int tueurs = fois(200, 5000);
    QRandomGenerator hasard(graineImprimee());
    int dechires = 0, partiels = 0;
    for (int i = 0; i < tueurs; ++i) {
        int tube[2];
        ASSERT_EQ(pipe(tube), 0);
        const pid_t enfant = lanceEnfant([&] {
            for (int n = 0;; ++n) {
                FichierTexte::modifieLignes("q.txt", [](QStringList& l, bool) { return l << "ligne", true; });
                if (n == 0 && write(tube[1], "x", 1) != 1) return 1;
                FichierTexte::ecritLignes("p.txt", n % 2 ? courte : longue);
            }
            return 0;
        });
        close(tube[1]);
        // Killed at a random moment once it has added its first line, whatever the machine's
        // speed: a lock a killed writer left that held the next one up would stop it here.
        pollfd premiereLigne{tube[0], POLLIN, 0};
        char octet = 0;
        EXPECT_TRUE(poll(&premiereLigne, 1, BorneAttenteMs) == 1 && read(tube[0], &octet, 1) == 1)
            << "child " << i << " never added a line";
        close(tube[0]);
        usleep(hasard.bounded(0, 25000));
        kill(enfant, SIGKILL);
        attendEnfant(enfant);
        const QByteArray p = octetsDe("p.txt");
        dechires += p != octetsCourte && p != octetsLongue;
        const QByteArray q = octetsDe("q.txt");
        partiels += q.size() % 7 != 0 || q.count("ligne\r\n") * 7 != q.size();
    }
    // A lock left by a killed writer is taken over by the next one (it would otherwise give up).
    FichierTexte::modifieLignes("q.txt", [](QStringList& l, bool) { return l << "ligne", true; });
    const qsizetype ajoutees = FichierTexte::litLignes("q.txt").size();
    // Every child added its line, none was lost by a later kill.
    EXPECT_GT(ajoutees, tueurs);
    const int restes = temporairesDans(".");
    const int nettoyes = FichierTexte::nettoieTemporaires(".");
    EXPECT_EQ(dechires, 0);
    EXPECT_EQ(partiels, 0);
    EXPECT_EQ(nettoyes, restes);
    EXPECT_EQ(temporairesDans("."), 0);
    EXPECT_TRUE(QFile::exists("p.txt"));
}

TEST(FichierFiable, OnlyTemporaryCopiesOfTheRightAgeAndFileAreCleaned) {
    DossierTemporaire dossier;
    for (const char* nom :
         {"a.txt.~ab12z", "b.txt.~00000", "a.txt", "a.txt.~AB12Z", "a.txt.~ab12", "a.txt.abc123", "notes.~ab12zz"})
        ecritOctets(nom, "x");
    QFile::link("a.txt", "c.txt.~lien0");
    EXPECT_EQ(FichierTexte::nettoieTemporaires(".", {}, 60), 0);
    QFile vieux("b.txt.~00000");
    vieux.open(QIODevice::ReadWrite);
    vieux.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime);
    vieux.close();
    EXPECT_EQ(FichierTexte::nettoieTemporaires(".", {}, 60), 1);
    EXPECT_EQ(FichierTexte::nettoieTemporaires(".", "a.txt"), 1);
    EXPECT_EQ(QDir(".").entryList(QDir::Files | QDir::System | QDir::Hidden),
              QStringList({"a.txt", "a.txt.abc123", "a.txt.~ab12", "a.txt.~AB12Z", "c.txt.~lien0", "notes.~ab12zz"}));
}

// A named pipe in a file's place: told for what it is, at once (read, it would wait for a writer).
TEST(FichierFiable, ANamedPipeInAFilesPlaceIsToldForWhatItIs) {
    DossierTemporaire dossier;
    ASSERT_EQ(::mkfifo("tube.txt", 0600), 0);
    const QList<std::function<void()>> usages = {
        [] { FichierTexte::litLignes("tube.txt"); },
        [] { FichierTexte::litLignesReglages("tube.txt"); },
        [] { FichierTexte::ecritLignes("tube.txt", {"x"}); },
        [] { FichierTexte::ajoute("tube.txt", "x"); },
        [] { FichierTexte::modifieLignes("tube.txt", [](QStringList&, bool) { return true; }); },
    };
    for (const auto& usage : usages) {
        const QString message = messageDe<ErreurFichier>(usage);
        EXPECT_TRUE(message.contains(QString::fromUtf8("« tube.txt »")) &&
                    message.contains(QString::fromUtf8("ce n'est pas un fichier ordinaire mais un tube nommé")))
            << message.toStdString();
    }
}
