#include "ecrans/commun/BoitesMessages.h"

#include "logique/base/Messages.h"
#include "ecrans/commun/BoiteMessage.h"

namespace {
bool montre(Messages::Genre genre, const QString& texte, const QString& titre) {
    BoiteMessage boite(genre, texte, titre);
    boite.exec();
    return boite.reponse();
}
}  // namespace

namespace BoitesMessages {
void installe() { Messages::installeAfficheur(montre); }
}
