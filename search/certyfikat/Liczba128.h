#pragma once

#include <QByteArray>

#include <optional>

// The checker's arithmetic: 128-bit whole numbers, so that no sum of a
// certificate's bound can overflow within the limits it enforces.
__extension__ typedef __int128 Int128;

inline constexpr Int128 kDwaDo64 = Int128(1) << 64;

// Decimal text: an optional minus sign and 1 to 38 digits.
QByteArray Tekst128(Int128 x);
std::optional<Int128> Czytaj128(const QByteArray& tekst);
