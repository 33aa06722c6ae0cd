#include "logique/base/Garde.h"

#include "logique/base/Erreurs.h"
#include "logique/base/Messages.h"

#include <new>

namespace Garde {
bool execute(const std::function<void()>& action) {
    // The texts are literals: showing them needs no memory, which may be what is missing.
    try {
        action();
        return true;
    } catch (const ErreurMarivelle& e) {
        Messages::erreur(e.message());
    } catch (const std::bad_alloc&) {
        Messages::erreur(QStringLiteral("L'ordinateur n'a plus assez de mémoire pour terminer cette action. "
                                        "Fermez d'autres programmes, puis recommencez."));
    } catch (const std::exception& e) {
        // Another library's failure: its text is English, or empty; it goes to the log.
        qWarning("Erreur inattendue : %s", e.what());
        Messages::erreur(Messages::TexteInattendu);
    } catch (...) {
        Messages::erreur(Messages::TexteInattendu);
    }
    return false;
}
}  // namespace Garde
