#include "logique/base/Messages.h"

#include <QtGlobal>

namespace {
Messages::Repondeur& repondeur() {
    static Messages::Repondeur r;
    return r;
}
Messages::Afficheur& afficheur() {
    static Messages::Afficheur a;
    return a;
}
Messages::Destinataire& destinataire() {
    static Messages::Destinataire d;
    return d;
}
QStringList& historique() {
    static QStringList h;
    return h;
}

bool montre(Messages::Genre genre, const QString& donne, const QString& titre) {
    const QString& texte = donne.trimmed().isEmpty() ? Messages::TexteInattendu : donne;
    // Only a test's answerer keeps the texts: the program itself keeps none.
    if (repondeur()) {
        historique() << texte;
        return repondeur()(genre, texte);
    }
    if (afficheur()) return afficheur()(genre, texte, titre);
    qWarning("%s", qUtf8Printable(texte));
    return false;
}
}  // namespace

namespace Messages {
void information(const QString& texte) { montre(Genre::Information, texte, QStringLiteral("Marivelle")); }
bool confirmation(const QString& texte, const QString& titre) { return montre(Genre::Confirmation, texte, titre); }
void erreur(const QString& texte, const QString& pourEnfant) {
    if (!destinataire()) {
        montre(Genre::Erreur, texte, QStringLiteral("Marivelle"));
        return;
    }
    try {
        destinataire()(texte.trimmed().isEmpty() ? TexteInattendu : texte);
    } catch (...) {
        // The child is told all the same.
    }
    montre(Genre::Erreur, pourEnfant, QStringLiteral("Marivelle"));
}
void installeDestinataire(Destinataire d) { destinataire() = std::move(d); }
void installeAfficheur(Afficheur a) { afficheur() = std::move(a); }
void installeRepondeur(Repondeur r) {
    if (!r) historique().clear();
    repondeur() = std::move(r);
}
QStringList recueille() {
    QStringList textes;
    textes.swap(historique());
    return textes;
}
}  // namespace Messages
