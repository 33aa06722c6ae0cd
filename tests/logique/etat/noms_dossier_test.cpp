#include "logique/etat/NomsDossier.h"

#include <gtest/gtest.h>

// A parameter-file name is read back into the pupil line it was made of, whatever the names hold.
TEST(NomsDossier, AParameterFileNameGivesBackItsPupil) {
    const struct {
        QString eleve, enseignant, nom;
    } cas[] = {
        {"Léa en classe de ce1", "Martin", "parametrage_Léa en classe de ce1_de_Martin.txt"},
        {"x_de_y", "y", "parametrage_x_de_y_de_y.txt"},
        {"Zoé", "Mme Lê_de_Noël", "parametrage_Zoé_de_Mme Lê_de_Noël.txt"},
        {"parametrage_", "_de_", "parametrage_parametrage__de__de_.txt"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom.toStdString());
        EXPECT_EQ(NomsDossier::parametrage(c.eleve, c.enseignant), c.nom);
        EXPECT_EQ(NomsDossier::eleveDuParametrage(c.nom, c.enseignant), c.eleve);
    }
    // Fixed parts in any case, as a case-blind disk opens them.
    EXPECT_EQ(NomsDossier::eleveDuParametrage("Parametrage_Zoé_DE_martin.TXT", "Martin"), QString("Zoé"));
    for (const QString nom : {"profil_Zoé_de_Martin.txt", "parametrage__de_Martin.txt", "parametrage_Zoé_de_Tin.txt",
                              "parametrage_Zoé_de_Martin.txt.~ab12c", "parametrage_de_Martin.txt"}) {
        SCOPED_TRACE(nom.toStdString());
        EXPECT_EQ(NomsDossier::eleveDuParametrage(nom, "Martin"), std::nullopt);
    }
}

TEST(NomsDossier, APendingFileNameGivesBackItsTeacher) {
    for (const QString enseignant : {"Martin", "Mme Lê_de_Noël", ".sqlite"}) {
        SCOPED_TRACE(enseignant.toStdString());
        EXPECT_EQ(NomsDossier::enseignantEnAttente(NomsDossier::journalEnAttente(NomsDossier::journal(enseignant))), enseignant);
    }
    EXPECT_EQ(NomsDossier::journalEnAttente(NomsDossier::journal("Noël")),
              "journal_des_reponses_de_Noël.sqlite.en_attente.jsonl");
    EXPECT_EQ(NomsDossier::enseignantEnAttente("journal_des_reponses_de_Martin.sqlite"), std::nullopt);
}
