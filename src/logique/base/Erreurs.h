#pragma once
// Failures that abandon the user's current action: the event boundary (Garde) shows their text
// in a message box and the program goes on running.
#include <QString>
#include <stdexcept>

class ErreurMarivelle : public std::runtime_error {
public:
    explicit ErreurMarivelle(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A text file that cannot be read, written, created or renamed.
class ErreurFichier : public ErreurMarivelle {
    using ErreurMarivelle::ErreurMarivelle;
};

// A text that should hold a whole number and does not.
class ErreurConversion final : public ErreurMarivelle {
    using ErreurMarivelle::ErreurMarivelle;
};
