#include "logique/exercices/MessagesPerdu.h"

#include "logique/base/FichierTexte.h"
#include "logique/base/Garde.h"
#include "logique/etat/NomsDossier.h"

namespace {
QStringList lit(const QString& chemin) {
    QStringList messages;
    if (!FichierTexte::existe(chemin)) return messages;
    Garde::execute([&] {
        // A blank line would make the fish say nothing.
        for (const QString& ligne : FichierTexte::litLignes(chemin))
            if (!ligne.trimmed().isEmpty()) messages << ligne;
    });
    return messages;
}
}  // namespace

namespace MessagesPerdu {
QString parDefaut() { return QStringLiteral("Ce n'est pas la bonne réponse, essaie encore !"); }

QStringList charge() {
    QStringList messages = lit(NomsDossier::MessagesPerdu);
    if (messages.isEmpty()) messages = lit(QString::fromLatin1(Integre));
    if (messages.isEmpty()) messages << parDefaut();
    return messages;
}
}  // namespace MessagesPerdu
