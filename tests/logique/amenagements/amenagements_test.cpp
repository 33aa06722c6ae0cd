// The pure functions that turn the sequence's values into the pupil's, against values worked out
// by hand.
#include "logique/amenagements/Amenagements.h"
#include "logique/amenagements/AmenagementsPartiels.h"

#include <gtest/gtest.h>

using Temps = Amenagements::Temps;
using Taille = Amenagements::Taille;
using Police = Amenagements::Police;

TEST(Amenagements, TheTimeAllowedIsTheSequencesTimesTheFactorOrNone) {
    const struct {
        Temps temps;
        int secondes;
        std::optional<int> ms;
    } cas[] = {
        {Temps::Normal, 10, 10000},  {Temps::UnEtDemi, 7, 10500}, {Temps::Double, 10, 20000}, {Temps::Triple, 4, 12000},
        {Temps::SansLimite, 10, {}}, {Temps::Triple, 0, {}},      {Temps::Double, -1, {}},    {Temps::UnEtDemi, 180, 270000},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << int(c.temps) << " " << c.secondes);
        EXPECT_EQ(Amenagements{.temps = c.temps}.tempsAccordeMs(c.secondes), c.ms);
    }
}

TEST(Amenagements, FewerQuestionsIsHalfRoundedUpAtLeastFiveNeverMore) {
    const struct {
        bool moins;
        int sequence, attendu;
    } cas[] = {{false, 10, 10}, {false, 3, 3}, {true, 10, 5}, {true, 15, 8}, {true, 9, 5},
               {true, 7, 5},    {true, 5, 5},  {true, 3, 3},  {true, 1, 1},  {true, 100, 50}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.moins << " " << c.sequence);
        EXPECT_EQ(Amenagements{.moinsDeQuestions = c.moins}.nombreDeQuestions(c.sequence), c.attendu);
    }
}

TEST(Amenagements, TheFontItsSizeAndItsSpacing) {
    const QString comic = QStringLiteral("Comic Sans MS");
    EXPECT_EQ(Amenagements{}.famille(comic), comic);
    EXPECT_EQ(Amenagements{.police = Police::Andika}.famille(comic), QStringLiteral("Andika"));
    EXPECT_EQ(Amenagements{.police = Police::OpenDyslexic}.famille(comic), QStringLiteral("OpenDyslexic"));
    // Rounded to the nearest pixel, halves up.
    const struct {
        Taille taille;
        int base, attendu;
    } tailles[] = {{Taille::Normale, 16, 16}, {Taille::Plus25, 16, 20}, {Taille::Plus50, 16, 24},
                   {Taille::Plus25, 13, 16},  {Taille::Plus50, 13, 20}, {Taille::Plus25, 22, 28}};
    for (const auto& c : tailles) {
        SCOPED_TRACE(testing::Message() << int(c.taille) << " " << c.base);
        EXPECT_EQ(Amenagements{.taille = c.taille}.pixels(c.base), c.attendu);
    }
    // 0.12 and 0.16 of the size, to the nearest pixel.
    const struct {
        bool espacement;
        int pixels, lettres, mots;
    } espaces[] = {{false, 30, 0, 0}, {true, 20, 2, 3}, {true, 25, 3, 4}, {true, 30, 4, 5}, {true, 44, 5, 7}};
    for (const auto& c : espaces) {
        SCOPED_TRACE(testing::Message() << c.espacement << " " << c.pixels);
        const Amenagements a{.espacement = c.espacement};
        EXPECT_EQ(a.espaceEntreLettres(c.pixels), c.lettres);
        EXPECT_EQ(a.espaceEntreMots(c.pixels), c.mots);
    }
}

// Several pupils shown at once: what they share is known, the rest mixed; a change goes over it.
TEST(AmenagementsPartiels, WhatSeveralPupilsShareAndAChangeOverIt) {
    using Cle = AmenagementsPartiels::Cle;
    const Amenagements lea{.temps = Temps::Double, .police = Police::Andika, .voix = true};
    const Amenagements tom{.temps = Temps::Triple, .police = Police::Andika};
    const AmenagementsPartiels communs = AmenagementsPartiels::communs({lea, tom});
    EXPECT_EQ(communs.valeur(Cle::Temps), std::nullopt);
    EXPECT_EQ(communs.valeur(Cle::Voix), std::nullopt);
    EXPECT_EQ(communs.valeur(Cle::Police), int(Police::Andika));
    EXPECT_EQ(communs.valeur(Cle::Questions), 0);
    EXPECT_TRUE(AmenagementsPartiels::communs({}).vide());

    AmenagementsPartiels change;
    change.fixe(Cle::Temps, int(Temps::SansLimite));
    change.fixe(Cle::Police, int(Police::OpenDyslexic));
    const AmenagementsPartiels montres = change.sur(communs);
    EXPECT_EQ(montres.valeur(Cle::Temps), int(Temps::SansLimite));
    EXPECT_EQ(montres.valeur(Cle::Police), int(Police::OpenDyslexic));
    EXPECT_EQ(montres.valeur(Cle::Voix), std::nullopt);
    EXPECT_EQ(montres.valeur(Cle::Questions), 0);
    EXPECT_EQ(change.appliqueA(lea), (Amenagements{.temps = Temps::SansLimite, .police = Police::OpenDyslexic, .voix = true}));
}
