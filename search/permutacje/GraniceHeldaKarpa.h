#pragma once

#include "search/permutacje/GraniceDopelnien.h"
#include "search/permutacje/ZbiorMiast.h"

#include <algorithm>
#include <cstddef>

// The exact shortest and longest completions of the Held-Karp tables, with a
// memory of the subtrees already searched.
struct GraniceHeldaKarpa {
    const GraniceDopelnien* tablice;
    ZbiorMiast wolne;  // cities not yet placed
    double zapasDolny;
    double zapasGorny;
    // Lengths of real routes: nothing longer than the first can be the
    // shortest, nothing shorter than the second the longest. Strict tests
    // against them: a route of equal length may come earlier in the order.
    double progKrotszej;
    double progDluzszej;
    // For each (cities left, last city): the least and the greatest prefix
    // sum with which that subtree has been searched to its end, or null.
    // A float sum never falls when a term before it grows, so the same
    // subtree under a prefix no smaller (no greater) holds no route that
    // could still become the shortest (the longest).
    float* pamiecKrotszej;
    float* pamiecDluzszej;

    std::size_t indeks(ZbiorMiast reszta, int c) const {
        return std::size_t(reszta) * std::size_t(tablice->IloscMiast()) + std::size_t(c);
    }
    void zajmij(int c) { wolne &= ~BitMiasta(c); }
    void zwolnij(int c, float p) {
        if (pamiecKrotszej) {
            const std::size_t i = indeks(wolne, c);
            pamiecKrotszej[i] = std::min(pamiecKrotszej[i], p);
            pamiecDluzszej[i] = std::max(pamiecDluzszej[i], p);
        }
        wolne |= BitMiasta(c);
    }
    bool bezZmian(float p, int c, float najkrotsza, float najdluzsza) const {
        const ZbiorMiast reszta = wolne & ~BitMiasta(c);
        return !krotszaMozliwa(p, reszta, c, najkrotsza) && !dluzszaMozliwa(p, reszta, c, najdluzsza);
    }
    bool krotszaMozliwa(float p, ZbiorMiast reszta, int c, float najkrotsza) const {
        if (pamiecKrotszej && p >= pamiecKrotszej[indeks(reszta, c)])
            return false;
        const double dolna = (double(p) + double(tablice->Najkrotsze(reszta, c))) * zapasDolny;
        return dolna < najkrotsza && dolna <= progKrotszej;
    }
    bool dluzszaMozliwa(float p, ZbiorMiast reszta, int c, float najdluzsza) const {
        if (pamiecDluzszej && p <= pamiecDluzszej[indeks(reszta, c)])
            return false;
        const double gorna = (double(p) + double(tablice->Najdluzsze(reszta, c))) * zapasGorny;
        return gorna > najdluzsza && gorna >= progDluzszej;
    }
};
