#include "logique/amenagements/Amenagements.h"

#include <algorithm>

namespace {
// A share of `valeur` in hundredths, rounded to the nearest whole (halves up).
int centiemes(int valeur, int pourCent) { return (valeur * pourCent + 50) / 100; }
}  // namespace

std::optional<int> Amenagements::tempsAccordeMs(int secondesDeLaSequence) const {
    if (secondesDeLaSequence <= 0 || temps == Temps::SansLimite) return std::nullopt;
    const int dixiemes = temps == Temps::UnEtDemi ? 15 : temps == Temps::Double ? 20 : temps == Temps::Triple ? 30 : 10;
    return secondesDeLaSequence * 100 * dixiemes;
}

int Amenagements::nombreDeQuestions(int questionsDeLaSequence) const {
    if (!moinsDeQuestions) return questionsDeLaSequence;
    return std::min(questionsDeLaSequence, std::max(QuestionsAuMoins, (questionsDeLaSequence + 1) / 2));
}

QString Amenagements::famille(const QString& familleDuProgramme) const {
    return police == Police::Programme ? familleDuProgramme : nomDeFamille(police);
}

int Amenagements::pixels(int pixelsDuProgramme) const {
    return centiemes(pixelsDuProgramme, taille == Taille::Plus25 ? 125 : taille == Taille::Plus50 ? 150 : 100);
}

int Amenagements::espaceEntreLettres(int pixelsDuTexte) const { return espacement ? centiemes(pixelsDuTexte, 12) : 0; }

int Amenagements::espaceEntreMots(int pixelsDuTexte) const { return espacement ? centiemes(pixelsDuTexte, 16) : 0; }

QString Amenagements::nomDeFamille(Police police) {
    switch (police) {
        case Police::Andika: return QStringLiteral("Andika");
        case Police::OpenDyslexic: return QStringLiteral("OpenDyslexic");
        case Police::Programme: break;
    }
    return {};
}
