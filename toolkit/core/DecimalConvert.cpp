#include "toolkit/core/DecimalConvert.h"

#include "toolkit/core/UserError.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Rewrites the accepted grammar into the locale-independent form that
// std::from_chars reads; nothing when the text does not follow it.
std::optional<std::string> normalised(const QString& text) {
    const QString separator = QLocale().decimalPoint();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;

    std::string out;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            out += '-';
        ++i;
    }

    int mantissaDigits = 0;
    bool separatorSeen = false;
    while (i < n) {
        if (isDigit(text[i])) {
            out += char(text[i].unicode());
            ++mantissaDigits;
            ++i;
        } else if (!separatorSeen && !separator.isEmpty() && QStringView(text).mid(i).startsWith(separator)) {
            out += '.';
            separatorSeen = true;
            i += separator.size();
        } else if (!separatorSeen && (text[i] == QLatin1Char(',') || text[i] == QLatin1Char('.'))) {
            out += '.';
            separatorSeen = true;
            ++i;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
            out += char(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            out += char(text[i].unicode());
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    return out;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

double StrToFloat(const QString& text) {
    if (const auto plain = normalised(text)) {
        double value = 0.0;
        const char* first = plain->data();
        const char* last = first + plain->size();
        // from_chars takes no leading plus; the grammar already dropped it.
        const auto [end, error] = std::from_chars(first, last, value);
        if (error == std::errc() && end == last && std::isfinite(value))
            return value;
    }
    throw UserError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

QString FormatDecimal(double value, int places, QChar point) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    // 15 significant digits d.dddddddddddddde±x: the value is
    // 0.dddddddddddddd × 10^(x+1), and the value times 10^places has
    // x+1+places digits before its point.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string scientific(buffer.data(), result.ptr);
    const std::size_t e = scientific.find('e');
    std::string significant = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::stoi(scientific.substr(e + 1));

    const int integerDigits = exponent + 1 + places;
    const int count = static_cast<int>(significant.size());
    std::string scaled;
    bool roundUp = false;
    if (integerDigits <= 0) {
        scaled = "0";
        roundUp = integerDigits == 0 && significant[0] >= '5';
    } else if (integerDigits >= count) {
        scaled = significant + std::string(std::size_t(integerDigits - count), '0');
    } else {
        scaled = significant.substr(0, std::size_t(integerDigits));
        roundUp = significant[std::size_t(integerDigits)] >= '5';
    }
    if (roundUp)
        increment(scaled);

    const std::size_t firstNonZero = scaled.find_first_not_of('0');
    scaled.erase(0, std::min(firstNonZero, scaled.size()));
    const bool zero = scaled.empty();
    while (scaled.size() < std::size_t(places) + 1)
        scaled.insert(scaled.begin(), '0');

    const qsizetype whole = qsizetype(scaled.size()) - places;
    QString text = QString::fromLatin1(scaled.data(), whole);
    if (places > 0) {
        text += point;
        text += QString::fromLatin1(scaled.data() + whole, places);
    }
    // A value that rounds to zero shows no sign.
    if (value < 0 && !zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString FormatOneDecimal(double value) {
    return FormatDecimal(value, 1, QLocale().decimalPoint().front());
}
