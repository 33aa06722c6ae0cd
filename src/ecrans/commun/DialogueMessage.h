#pragma once
// The program's own message box: a rounded sea-blue card with the fish, the text in Comic Sans MS
// and big rounded buttons, all scaled with the display like the screens. Enter presses the
// default button or the one Tab moved the keyboard to, Escape answers "Annuler" (or closes a plain
// message).
#include "logique/base/Messages.h"

#include <QDialog>

class QLabel;
class QPushButton;

class DialogueMessage final : public QDialog {
    Q_OBJECT
public:
    // Design sizes on 1024 × 768: the text is larger than every screen's labels (22 pixels on
    // the identification screen, 19 beside the exercises), buttons are easy for a child to hit.
    static constexpr int PoliceTexte = 26;
    static constexpr int HauteurBouton = 60;
    static constexpr int LargeurBouton = 170;

    DialogueMessage(Messages::Genre genre, const QString& texte, const QString& titre);
    // True when the answer is "OK".
    bool reponse() const { return reponse_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    QPushButton* bouton(const QString& nom, const QString& texte, bool principal);

    bool reponse_ = false;
    int bord_;
    int rayon_;
};
