#pragma once

#include <array>
#include <cstddef>

// TSPLIB's instances in three classes by their number of cities, as the
// benchmarks sum them up.
struct KlasaRozmiaru {
    const char* opis;
    int od;
    int dokad;

    bool Obejmuje(int n) const { return n >= od && n <= dokad; }
};

inline constexpr std::array<KlasaRozmiaru, 3> kKlasyRozmiaru{
    {{"up to 1,002", 0, 1002}, {"1,002 to 20,000", 1003, 20000}, {"above 20,000", 20001, 1 << 30}}};

// The place of n's class in kKlasyRozmiaru.
inline std::size_t KlasaDla(int n) {
    std::size_t k = 0;
    while (k + 1 < kKlasyRozmiaru.size() && !kKlasyRozmiaru[k].Obejmuje(n))
        ++k;
    return k;
}
