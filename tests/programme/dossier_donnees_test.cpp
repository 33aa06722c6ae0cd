#include "DossierTemporaire.h"
#include "programme/DossierDonnees.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(DossierDonnees, TheFolderComesFromTheArgumentTheInstallationOrTheCurrentFolder) {
    const QString maison = "/home/eve";
    EXPECT_EQ(DossierDonnees::choisit({"marivelle", "/srv/classe"}, "/usr/share/marivelle", maison), "/srv/classe");
    EXPECT_EQ(DossierDonnees::choisit({"marivelle"}, "/usr/share/marivelle", maison), "/home/eve/Marivelle");
    EXPECT_EQ(DossierDonnees::choisit({"marivelle"}, "", maison), QDir::currentPath());
    DossierTemporaire dossier;
    QDir().mkpath("usr/bin");
    QDir().mkpath("usr/share/marivelle");
    EXPECT_EQ(DossierDonnees::dossierPartage(dossier.chemin() + "/usr/bin"),
              QDir(dossier.chemin() + "/usr/share/marivelle").canonicalPath());
    EXPECT_EQ(DossierDonnees::dossierPartage(dossier.chemin()), "");
}

TEST(DossierDonnees, FirstStartCopiesTheShippedFilesWithoutOverwritingAndCleansOldLeftovers) {
    DossierTemporaire dossier;
    QDir().mkpath("partage/Images/Tortues");
    ecritOctets("partage/Images/FondMarin.jpg", "fond livré");
    ecritOctets("partage/Images/Tortues/3.jpg", "tortues livrées");
    ecritOctets("partage/MessagesPerdu.txt", "messages livrés");
    QDir().mkpath("donnees/Images");
    ecritOctets("donnees/Images/FondMarin.jpg", "fond de l'enseignant");
    const QString partage = dossier.chemin() + "/partage";
    DossierDonnees::prepare(dossier.chemin() + "/donnees", partage);
    EXPECT_EQ(QDir::currentPath(), dossier.chemin() + "/donnees");
    EXPECT_EQ(octetsDe("Images/FondMarin.jpg"), QByteArray("fond de l'enseignant"));
    EXPECT_EQ(octetsDe("Images/Tortues/3.jpg"), QByteArray("tortues livrées"));
    EXPECT_EQ(octetsDe("MessagesPerdu.txt"), QByteArray("messages livrés"));
    DossierDonnees::prepare(dossier.chemin() + "/neuf/sous", "");
    EXPECT_EQ(QDir::currentPath(), dossier.chemin() + "/neuf/sous");

    // Leftovers of killed programs: the old ones go, a young one may still be written.
    QDir().mkdir("classe de Martin");
    for (const char* nom : {"enseignant.txt.~abcde", "classe de Martin/classe_Martin.txt.~12345",
                            "classe de Martin/jeune.txt.~zzzzz", "classe de Martin/classe_Martin.txt"})
        ecritOctets(nom, "x");
    for (const char* nom : {"enseignant.txt.~abcde", "classe de Martin/classe_Martin.txt.~12345"}) {
        QFile f(nom);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }
    EXPECT_EQ(DossierDonnees::nettoie(), 2);
    EXPECT_EQ(QDir("classe de Martin").entryList(QDir::Files), QStringList({"classe_Martin.txt", "jeune.txt.~zzzzz"}));
}
