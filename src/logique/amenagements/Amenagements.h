#pragma once
// What a teacher adjusts for one pupil, on top of the sequence's settings, which stay as they
// are: more time or none, another font, larger and more spaced text, high contrast, the voice on
// whatever the class's switch, fewer questions. The functions below turn the sequence's values
// into the pupil's; the screens only apply what they return. Kept in a file of its own per pupil
// (FichierAmenagements, docs/amenagements.md); no file means none.
#include <QString>

#include <optional>

struct Amenagements {
    enum class Temps { Normal, UnEtDemi, Double, Triple, SansLimite };
    enum class Police { Programme, Andika, OpenDyslexic };
    enum class Taille { Normale, Plus25, Plus50 };

    Temps temps = Temps::Normal;
    Police police = Police::Programme;
    Taille taille = Taille::Normale;
    bool espacement = false;  // more room between letters and between words
    bool contraste = false;   // the theme's high-contrast version
    bool voix = false;        // statements and questions read aloud whatever the class's switch
    bool moinsDeQuestions = false;

    bool operator==(const Amenagements&) const = default;

    // The fewest questions "fewer questions" leaves, when the sequence asks more.
    static constexpr int QuestionsAuMoins = 5;

    // The time allowed for a question in milliseconds: the sequence's seconds times the pupil's
    // factor, exact in milliseconds (7 s × 1,5 = 10 500 ms). None when the sequence sets no time
    // (0, or -1 on the chooser) or the pupil has no limit: the creature then never ends the
    // question, and the answer time is measured all the same.
    std::optional<int> tempsAccordeMs(int secondesDeLaSequence) const;
    // Questions in an exercise: the sequence's number, or with fewer questions its half rounded
    // up, yet at least QuestionsAuMoins and never more than the sequence's (10 → 5, 15 → 8,
    // 7 → 5, 3 → 3): enough for the summary to mean something, never more than asked.
    int nombreDeQuestions(int questionsDeLaSequence) const;
    // The family to draw the child's texts with: the screen's own, or the chosen one.
    QString famille(const QString& familleDuProgramme) const;
    // A text's size in pixels: the screen's own, +25 % or +50 %, rounded to the nearest pixel.
    int pixels(int pixelsDuProgramme) const;
    // Pixels added between letters and between words, for a text of that size (QFont's absolute
    // spacing): 0.12 and 0.16 of the size with more spacing, as the web's text-spacing rule asks
    // a text to bear; none without.
    int espaceEntreLettres(int pixelsDuTexte) const;
    int espaceEntreMots(int pixelsDuTexte) const;
    // Whether statements and questions are read aloud for this pupil.
    bool voixActive(bool interrupteurDeLaClasse) const { return voix || interrupteurDeLaClasse; }

    // The family names of the fonts offered (Debian's fonts-sil-andika and fonts-opendyslexic);
    // empty for the program's own.
    static QString nomDeFamille(Police police);
};
