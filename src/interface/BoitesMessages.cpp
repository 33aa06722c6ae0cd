#include "interface/BoitesMessages.h"

#include "base/Messages.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
bool montre(Messages::Genre genre, const QString& texte, const QString& titre) {
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

namespace BoitesMessages {
void installe() { Messages::installeAfficheur(montre); }
}
