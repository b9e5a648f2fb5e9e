#include "search/certyfikat/Liczba128.h"

#include <algorithm>

QByteArray Tekst128(Int128 x) {
    if (x == 0)
        return QByteArrayLiteral("0");
    const bool ujemna = x < 0;
    // Digits of the magnitude from the negative side: -2^127 has none on
    // the positive one.
    QByteArray cyfry;
    while (x != 0) {
        const int reszta = int(x % 10);
        cyfry.append(char('0' + (reszta < 0 ? -reszta : reszta)));
        x /= 10;
    }
    if (ujemna)
        cyfry.append('-');
    std::reverse(cyfry.begin(), cyfry.end());
    return cyfry;
}

std::optional<Int128> Czytaj128(const QByteArray& tekst) {
    qsizetype i = 0;
    const bool ujemna = !tekst.isEmpty() && tekst[0] == '-';
    if (ujemna)
        ++i;
    const qsizetype cyfr = tekst.size() - i;
    if (cyfr < 1 || cyfr > 38)
        return std::nullopt;
    Int128 x = 0;
    for (; i < tekst.size(); ++i) {
        const char c = tekst[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        x = x * 10 + (c - '0');
    }
    return ujemna ? -x : x;
}
