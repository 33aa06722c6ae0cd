#include "logique/sons/Sons.h"

#include "logique/sons/Phrases.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {
Sons::Reglages reglages_;
std::unique_ptr<Sortie> sortie_;
bool chargee_ = false;  // the module was looked for (found or not)

// Stands for the loudspeaker where the module cannot be loaded: nothing is heard.
class Silence final : public Sortie {
    void prepareEffets() override {}
    void joue(Effet) override {}
    void dit(const QString&, bool) override {}
    void chercheVoix(std::function<void(bool)> reponse) override { reponse(false); }
};

std::unique_ptr<Sortie> chargeModule() {
    // Installed: in the program's own library folder (/usr/lib/marivelle). A program of the build
    // tree takes the module built beside it, never one from another folder.
    const QString dossier = QCoreApplication::applicationDirPath();
    QStringList chemins{dossier + QStringLiteral("/" MARIVELLE_MODULE_SONS_INSTALLE)};
    const QString construction = QStringLiteral(MARIVELLE_DOSSIER_CONSTRUCTION);
    if (dossier == construction || dossier.startsWith(construction + QLatin1Char('/')))
        chemins << QStringLiteral(MARIVELLE_MODULE_SONS_CONSTRUIT);
    for (const QString& chemin : chemins) {
        QLibrary module(chemin);
        if (!module.load()) continue;
        if (auto fabrique = reinterpret_cast<FabriqueSortie>(module.resolve(MARIVELLE_FABRIQUE_SORTIE)))
            if (Sortie* s = fabrique()) return std::unique_ptr<Sortie>(s);
    }
    return std::make_unique<Silence>();
}

Sortie& sortie() {
    if (!sortie_ && !chargee_) {
        chargee_ = true;
        sortie_ = chargeModule();
        // Its sounds and voice are Qt objects: released while the application still exists.
        qAddPostRoutine([] { sortie_.reset(); });
    }
    return *sortie_;
}
}  // namespace

namespace Sons {
void regle(const Reglages& reglages) {
    reglages_ = reglages;
    if (reglages_.sons) sortie().prepareEffets();
}

const Reglages& reglages() { return reglages_; }

void joue(Effet effet) {
    if (reglages_.sons) sortie().joue(effet);
}

void litConsigne(const QString& texte) {
    if (reglages_.voix && !texte.isEmpty()) sortie().dit(texte, true);
}

void litQuestion(const QString& texte) {
    if (reglages_.voix && !texte.isEmpty()) sortie().dit(Phrases::prononciation(texte), false);
}

void chercheVoix(std::function<void(bool)> reponse) { sortie().chercheVoix(std::move(reponse)); }

void installeSortie(std::unique_ptr<Sortie> sortie) {
    sortie_ = std::move(sortie);
    chargee_ = static_cast<bool>(sortie_);
}
}  // namespace Sons
