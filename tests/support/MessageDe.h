#pragma once
// The message of the failure (of kind E) an action throws; empty when it throws none.
#include "logique/base/Erreurs.h"

#include <functional>

template <typename E = ErreurMarivelle>
QString messageDe(const std::function<void()>& action) {
    try {
        action();
    } catch (const E& e) {
        return e.message();
    }
    return {};
}
