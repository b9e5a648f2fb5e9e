#pragma once

#include "search/lokalne/OknoTrasy.h"

#include <array>

// An improving move found and not yet made: up to three 2-opt exchanges made
// one after another, each valid on the route the previous one left.
struct Ruch {
    // Below this a gain is rounding noise: with real-valued distances two
    // equal routes must not trade places for ever.
    static constexpr double MinimalnyZysk = 1e-7;

    double zysk = MinimalnyZysk;
    int ile = 0;
    std::array<std::array<int, 4>, 3> zamiany{};

    bool Znaleziony() const { return ile > 0; }
    void Zapisz(double nowyZysk, std::array<std::array<int, 4>, 3> kroki, int ileKrokow) {
        zysk = nowyZysk;
        zamiany = kroki;
        ile = ileKrokow;
    }
    void Wykonaj(OknoTrasy& okno) const {
        for (int i = 0; i < ile; ++i) {
            const auto& z = zamiany[std::size_t(i)];
            okno.Zamien(z[0], z[1], z[2], z[3]);
        }
    }
};
