#pragma once

#include <QString>
#include <stdexcept>

// The one exception type the program raises for bad input. The application's
// notify() override catches it and shows its message in the standard error box.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};
