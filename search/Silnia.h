#pragma once

// Route counts past 20! need more than 64 bits; 100 times 32! still fits.
__extension__ using Liczba128 = unsigned __int128;

// k!, modulo 2^128 past 34!.
constexpr Liczba128 Silnia(int k) {
    Liczba128 wynik = 1;
    for (int i = 2; i <= k; ++i)
        wynik *= unsigned(i);
    return wynik;
}
