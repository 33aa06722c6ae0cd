#include "core/platform/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
Messages::Repondeur& repondeur() {
    static Messages::Repondeur r;
    return r;
}
QStringList& historique() {
    static QStringList h;
    return h;
}

bool montre(Messages::Genre genre, const QString& texte, const QString& titre) {
    // Only a test's answerer keeps the texts: the program itself keeps none.
    if (repondeur()) {
        historique() << texte;
        return repondeur()(genre, texte);
    }
    QMessageBox boite(genre == Messages::Genre::Confirmation ? QMessageBox::Question
                      : genre == Messages::Genre::Erreur     ? QMessageBox::Warning
                                                             : QMessageBox::NoIcon,
                      titre, texte);
    boite.setWindowFlag(Qt::WindowStaysOnTopHint);
    QPushButton* ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (genre == Messages::Genre::Confirmation) {
        QPushButton* annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        boite.setEscapeButton(annuler);
    }
    boite.setDefaultButton(ok);
    boite.exec();
    return boite.clickedButton() == ok;
}
}  // namespace

namespace Messages {
void information(const QString& texte) { montre(Genre::Information, texte, QStringLiteral("Marivelle")); }
bool confirmation(const QString& texte, const QString& titre) { return montre(Genre::Confirmation, texte, titre); }
void erreur(const QString& texte) { montre(Genre::Erreur, texte, QStringLiteral("Marivelle")); }
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
