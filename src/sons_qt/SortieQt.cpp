// The real loudspeaker: Qt Multimedia's sound effects and Qt TextToSpeech's French voice. Built
// as a module that the program loads the first time a class with sound or voice needs it.
#include "sons/Sortie.h"

#include <QAudioDevice>
#include <QLocale>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QUrl>
#include <QVoice>

#include <array>
#include <memory>

namespace {
class SortieQt final : public QObject, public Sortie {
public:
    void prepareEffets() override {
        // Without a device nothing is loaded and nothing will be heard.
        if (!appareilCherche_) {
            appareilCherche_ = true;
            appareil_ = !QMediaDevices::audioOutputs().isEmpty();
        }
        if (!appareil_) return;
        for (int i = 0; i < NombreEffets; ++i) {
            auto& effet = effets_[static_cast<std::size_t>(i)];
            if (effet) continue;
            effet = std::make_unique<QSoundEffect>();
            effet->setSource(QUrl(QStringLiteral("qrc:/sons/") + FichierEffet(static_cast<Effet>(i))));
            effet->setVolume(0.6f);
        }
    }

    void joue(Effet effet) override {
        prepareEffets();
        if (auto& e = effets_[static_cast<std::size_t>(effet)]) e->play();
    }

    void dit(const QString& texte, bool interrompt) override {
        QTextToSpeech* v = voix();
        if (!v) return;
        if (interrompt || v->state() != QTextToSpeech::Speaking) {
            attente_.clear();
            v->say(texte);  // stops what was being said
            return;
        }
        attente_ = texte;
    }

    bool voixDisponible() override { return voix() != nullptr; }

private:
    // The engine is asked for once; without one, or without a French voice, there is no voice.
    QTextToSpeech* voix() {
        if (voixCherchee_) return voix_.get();
        voixCherchee_ = true;
        const QStringList moteurs = QTextToSpeech::availableEngines();
        if (moteurs.isEmpty()) return nullptr;
        auto v = std::make_unique<QTextToSpeech>(moteurs.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd")
                                                                                             : moteurs.first());
        if (v->state() == QTextToSpeech::Error) return nullptr;
        bool francais = false;
        for (const QLocale& l : v->availableLocales()) {
            if (l.language() != QLocale::French) continue;
            v->setLocale(l.territory() == QLocale::France ? l : QLocale(QLocale::French, QLocale::France));
            francais = true;
            if (l.territory() == QLocale::France) break;
        }
        if (!francais || v->locale().language() != QLocale::French) return nullptr;
        // Slower than an adult's speech, for children.
        v->setRate(-0.2);
        connect(v.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State etat) {
            if (etat != QTextToSpeech::Ready || attente_.isEmpty()) return;
            const QString suivant = attente_;
            attente_.clear();
            voix_->say(suivant);
        });
        voix_ = std::move(v);
        return voix_.get();
    }

    std::array<std::unique_ptr<QSoundEffect>, NombreEffets> effets_;
    bool appareilCherche_ = false;
    bool appareil_ = false;
    std::unique_ptr<QTextToSpeech> voix_;
    bool voixCherchee_ = false;
    QString attente_;
};
}  // namespace

extern "C" Q_DECL_EXPORT Sortie* marivelle_cree_sortie() { return new SortieQt; }
