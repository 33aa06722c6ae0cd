// The real loudspeaker: Qt Multimedia's sound effects and Qt TextToSpeech's French voice. Built
// as a module that the program loads the first time a class with sound or voice needs it.
#include "logique/base/EnFond.h"
#include "logique/sons/Sortie.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QLocale>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QUrl>
#include <QVoice>

#include <array>
#include <memory>

namespace {
// The voice lives in a thread of its own: the speech engine may take seconds to answer its first
// question, and no animation may wait for it.
class Voix final : public QObject {
public:
    // In the voice's thread.
    bool prete() {
        if (!cherchee_) cherche();
        return tts_ != nullptr;
    }
    void dit(const QString& texte, bool interrompt) {
        if (!prete()) return;
        if (interrompt || tts_->state() != QTextToSpeech::Speaking) {
            attente_.clear();
            tts_->say(texte);  // stops what was being said
            return;
        }
        attente_ = texte;
    }

private:
    // The engine is asked for once; without one, or without a French voice, there is no voice.
    void cherche() {
        cherchee_ = true;
        const QStringList moteurs = QTextToSpeech::availableEngines();
        if (moteurs.isEmpty()) return;
        auto v = std::make_unique<QTextToSpeech>(moteurs.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd")
                                                                                             : moteurs.first());
        if (v->state() == QTextToSpeech::Error) return;
        bool francais = false;
        for (const QLocale& l : v->availableLocales()) {
            if (l.language() != QLocale::French) continue;
            francais = true;
            if (l.territory() == QLocale::France) break;
        }
        if (!francais) return;
        v->setLocale(QLocale(QLocale::French, QLocale::France));
        if (v->locale().language() != QLocale::French) return;
        // Slower than an adult's speech, for children.
        v->setRate(-0.2);
        connect(v.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State etat) {
            if (etat != QTextToSpeech::Ready || attente_.isEmpty()) return;
            const QString suivant = attente_;
            attente_.clear();
            tts_->say(suivant);
        });
        tts_ = std::move(v);
    }

    std::unique_ptr<QTextToSpeech> tts_;
    bool cherchee_ = false;
    QString attente_;
};

constexpr int FinVoixMs = 2000;

class SortieQt final : public Sortie {
public:
    ~SortieQt() override {
        // A speech engine that no longer answers (its service stuck) must not hold the program's
        // end: past the bound, the voice's thread is left to the end of the process.
        if (fil_) fil_->arrete(QDeadlineTimer(FinVoixMs));
    }

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
        Voix* v = voix();
        QMetaObject::invokeMethod(
            v, [v, texte, interrompt] { v->dit(texte, interrompt); }, Qt::QueuedConnection);
    }

    void chercheVoix(std::function<void(bool)> reponse) override {
        Voix* v = voix();
        QMetaObject::invokeMethod(
            v,
            [v, reponse] {
                const bool prete = v->prete();
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [reponse, prete] { reponse(prete); }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

private:
    Voix* voix() {
        if (!voix_) {
            voix_ = new Voix;
            fil_ = std::make_unique<EnFond::Fil>(QStringLiteral("Voix"));
            fil_->accueille(voix_);
        }
        return voix_;
    }

    std::array<std::unique_ptr<QSoundEffect>, NombreEffets> effets_;
    bool appareilCherche_ = false;
    bool appareil_ = false;
    std::unique_ptr<EnFond::Fil> fil_;
    Voix* voix_ = nullptr;
};
}  // namespace

extern "C" Q_DECL_EXPORT Sortie* marivelle_cree_sortie() { return new SortieQt; }
