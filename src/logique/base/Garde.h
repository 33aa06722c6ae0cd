#pragma once
// The event boundary: a failure (file or number conversion) inside an event or timer handler
// shows its text in a message box, abandons that action, and the program goes on running. Memory
// running out and any other failure get a French text of their own.
#include <QObject>
#include <functional>

namespace Garde {
// Runs an action; a failure is shown and swallowed. True when the action ran to its end.
bool execute(const std::function<void()>& action);

// Connects a signal to an action run under the guard.
template <typename Emetteur, typename Signal, typename Action>
QMetaObject::Connection connecte(Emetteur* emetteur, Signal signal, QObject* contexte, Action action) {
    return QObject::connect(emetteur, signal, contexte, [action](auto&&...) { execute(action); });
}
}
