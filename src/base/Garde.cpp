#include "base/Garde.h"

#include "base/Erreurs.h"
#include "base/Messages.h"

namespace Garde {
bool execute(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const ErreurMarivelle& e) {
        Messages::erreur(e.message());
    } catch (const std::exception& e) {
        Messages::erreur(QString::fromUtf8(e.what()));
    }
    return false;
}
}  // namespace Garde
