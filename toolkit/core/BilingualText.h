#pragma once

#include <QString>

// A text a user reads in the window's Polish or in the command line's
// English, both wordings written side by side; arg() fills both alike.
struct BilingualText {
    QString pl;
    QString en;

    template <class... Args>
    BilingualText arg(const Args&... args) const {
        return {pl.arg(args...), en.arg(args...)};
    }

    friend bool operator==(const BilingualText&, const BilingualText&) = default;
};

// The same words in front of both, a file name say.
inline BilingualText operator+(const QString& prefix, const BilingualText& text) {
    return {prefix + text.pl, prefix + text.en};
}
