#pragma once

#include "toolkit/core/BilingualText.h"

#include <QString>
#include <stdexcept>

// The one exception type the program raises for bad input. The application's
// notify() override catches it and shows its message in the standard error box;
// wedrownik-cli prints its English wording.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : UserError(BilingualText{message, message}) {}
    explicit UserError(const BilingualText& text) : std::runtime_error(text.pl.toStdString()), text_(text) {}

    const QString& message() const noexcept { return text_.pl; }
    const QString& english() const noexcept { return text_.en; }
    const BilingualText& text() const noexcept { return text_; }

private:
    BilingualText text_;
};
