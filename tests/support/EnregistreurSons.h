#pragma once
// Stands for the loudspeaker: what would be heard, in order, without a sound card or a speech
// engine. An effect is written by its file's name ("piece"), followed by what `moment` says of the
// screen when it starts; a sentence as "dit <text>" (it interrupts) or "puis <text>" (it waits).
#include "logique/sons/Sons.h"

#include <QStringList>
#include <functional>

class EnregistreurSons final : public Sortie {
public:
    explicit EnregistreurSons(QStringList& entendu, std::function<QString()> moment = {})
        : entendu_(entendu), moment_(std::move(moment)) {}
    void prepareEffets() override {}
    void joue(Effet effet) override {
        const QString nom = FichierEffet(effet).chopped(4);
        entendu_ << (moment_ ? nom + QLatin1Char(' ') + moment_() : nom);
    }
    void dit(const QString& texte, bool interrompt) override {
        entendu_ << (interrompt ? QStringLiteral("dit ") : QStringLiteral("puis ")) + texte;
    }
    void chercheVoix(std::function<void(bool)> reponse) override { reponse(voix); }
    bool voix = true;  // what the speech engine would answer

private:
    QStringList& entendu_;
    std::function<QString()> moment_;
};
