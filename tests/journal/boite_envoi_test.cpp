// The outbox of programs sharing one pupil account: a lock another program holds too long loses
// no record, even when the program ends meanwhile, and the records keep their order.
#include "DossierTemporaire.h"
#include "journal/BoiteEnvoi.h"

#include <QCoreApplication>
#include <QLockFile>
#include <gtest/gtest.h>

TEST(BoiteEnvoi, ALockHeldElsewhereLosesNoRecordAndKeepsTheOrder) {
    DossierTemporaire dossier;
    const QString chemin = dossier.chemin() + QStringLiteral("/boite.jsonl");
    const auto ligne = [](int n) -> Envoi { return LigneResultat{QString::number(n), QStringLiteral("classe_de_Léa"), {n}}; };
    BoiteEnvoi boite(chemin);
    boite.ajoute(ligne(1));
    {
        QLockFile autre(chemin + QStringLiteral(".verrou"));
        ASSERT_TRUE(autre.tryLock(0));
        boite.ajoute(ligne(2));
        boite.ajoute(ligne(3));
        EXPECT_EQ(boite.taille(), 3);
        // The program ends: what it kept goes beside the box.
        BoiteEnvoi::gardeCeQuiAttend();
        EXPECT_TRUE(QFile::exists(chemin + QStringLiteral(".attente-%1").arg(QCoreApplication::applicationPid())));
        boite.ajoute(ligne(4));
        EXPECT_EQ(boite.taille(), 4);
        EXPECT_EQ(boite.vide([](const Envoi&) { return true; }), 4);  // nothing leaves while the lock is held
    }
    boite.ajoute(ligne(5));
    QStringList livrees;
    EXPECT_EQ(boite.vide([&](const Envoi& e) {
        livrees << std::get<LigneResultat>(e).identifiant;
        return true;
    }),
              0);
    EXPECT_EQ(livrees.join(QLatin1Char(',')), QStringLiteral("1,2,3,4,5"));
    EXPECT_EQ(QDir(dossier.chemin()).entryList(QDir::Files), QStringList{});
}
