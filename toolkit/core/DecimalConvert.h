#pragma once

#include <QString>

// Decimal text as the program accepts it: leading blanks, an optional sign,
// decimal digits with at most one decimal separator and an optional exponent
// ("e" or "E", an optional sign and digits). The separator may be the default
// locale's or either of "," and ".", so a text written under one locale still
// reads under another. No thousands separators. Anything else, an empty text
// or a value outside the range of a double raises a UserError with
// "'<text>' is not a valid floating point value".
double StrToFloat(const QString& text);

// The value as the number format "0.0" shows it: at least one digit before
// the default locale's decimal separator, exactly one after it, rounded half
// away from zero on the value's 15 significant digits, no grouping.
QString FormatOneDecimal(double value);

// The same rounding to `places` decimals (0 to 6), with `point` between
// the whole part and the decimals.
QString FormatDecimal(double value, int places, QChar point);
