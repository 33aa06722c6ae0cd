#include "ecrans/commun/MessagesEcran.h"

#include "logique/base/Messages.h"
#include "ecrans/commun/DialogueMessage.h"

namespace {
bool montre(Messages::Genre genre, const QString& texte, const QString& titre) {
    DialogueMessage dialogue(genre, texte, titre);
    dialogue.exec();
    return dialogue.reponse();
}
}  // namespace

namespace MessagesEcran {
void installe() { Messages::installeAfficheur(montre); }
}
