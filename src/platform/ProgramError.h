#pragma once

#include <QString>

#include <stdexcept>

// An error that ends the current command or event; the application shows its text
// in the standard error box and keeps running.
class ProgramError : public std::runtime_error {
public:
    explicit ProgramError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};
