#include "interface/BoitesMessages.h"

#include "base/Messages.h"
#include "interface/BoiteMessage.h"

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
