#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

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

// One instance's distance from its published optimum, in per cent, and its
// time.
struct WynikInstancji {
    std::string nazwa;
    int n = 0;
    double procent = 0.0;
    double czas = 0.0;
};

// Per size class: the instances, the mean and the worst of what miara
// names, and the mean and the longest time.
inline void wypiszKlasy(const char* miara, const std::vector<WynikInstancji>& wyniki) {
    for (const KlasaRozmiaru& k : kKlasyRozmiaru) {
        double suma = 0.0, najgorsza = -HUGE_VAL, czas = 0.0, najdluzej = 0.0;
        std::string najgorszaNazwa;
        int ile = 0;
        for (const WynikInstancji& w : wyniki)
            if (k.Obejmuje(w.n)) {
                suma += w.procent;
                czas += w.czas;
                najdluzej = std::max(najdluzej, w.czas);
                ++ile;
                if (w.procent >= najgorsza)
                    najgorsza = w.procent, najgorszaNazwa = w.nazwa;
            }
        if (ile > 0)
            std::printf("class %-16s instances %3d  mean %s %6.3f %%  worst %6.3f %% (%s)  mean %.2f s, "
                        "longest %.2f s\n",
                        k.opis, ile, miara, suma / ile, najgorsza, najgorszaNazwa.c_str(), czas / ile, najdluzej);
    }
}
