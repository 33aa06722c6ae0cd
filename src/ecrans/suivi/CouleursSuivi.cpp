#include "ecrans/suivi/CouleursSuivi.h"

#include "ecrans/commun/Apparence.h"

namespace CouleursSuivi {
QColor etat(EtatFait e) {
    switch (e) {
        case EtatFait::Automatique: return Apparence::SuiviBien;
        case EtatFait::JusteLent: return Apparence::SuiviMoyen;
        case EtatFait::ARevoir: return Apparence::SuiviMal;
        case EtatFait::JamaisVu: break;
    }
    return Apparence::SuiviRien;
}

QColor niveau(Revision::Niveau n) {
    switch (n) {
        case Revision::Niveau::Solide: return Apparence::SuiviBien;
        case Revision::Niveau::Fragile: return Apparence::SuiviMoyen;
        case Revision::Niveau::AReprendre: break;
    }
    return Apparence::SuiviMal;
}
}  // namespace CouleursSuivi
