#include "logique/exercices/Bilan.h"

#include "logique/base/Nombres.h"

namespace Bilan {
Poisson choisitPoisson(int bonnes, int questions) {
    // No question at all counts as no right answer rather than a division by zero.
    if (questions <= 0) return Poisson::Nul;
    // The rate compared in whole numbers, so exactly 70 % or 40 % never lands on the wrong side.
    const long long centuple = 100LL * bonnes;
    if (centuple > 70LL * questions) return Poisson::Bien;
    if (centuple > 40LL * questions) return Poisson::Bof;
    return Poisson::Nul;
}

std::optional<QString> message(int retroaction, int bonnes, int questions, int erreurs) {
    const QString debut = QStringLiteral("Bravo ! Tu as fini l'exercice.\nTu as eu ");
    const QString fin = QStringLiteral("\nPrêt pour un autre exercice !");
    switch (retroaction) {
        case 0: return debut + QString::number(bonnes) + QStringLiteral(" bonnes réponses !") + fin;
        case 1:
            return debut + QString::number(bonnes) + QStringLiteral(" bonnes réponses sur ") + QString::number(questions) +
                   QStringLiteral(" questions !") + fin;
        case 2: return debut + QString::number(erreurs) + QStringLiteral(" erreurs !") + fin;
        default: return std::nullopt;
    }
}

int pasDeChute(int hautPiece, int hautDevant) { return Nombres::arrondi((hautPiece + hautDevant) / 50.0); }

bool Pluie::lance() {
    if (lancees_ >= bonnes_ && lancees_ != 0) {
        finie_ = true;
        return false;
    }
    haut_ = HautDepart;
    ++lancees_;
    return true;
}

bool Pluie::tombe() {
    haut_ += pasDeChute(haut_, HautDevantCoffre);
    return haut_ > HautDevantCoffre;
}
}  // namespace Bilan
