#pragma once

#include "search/permutacje/ZbiorMiast.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

// The least and the greatest prefix sum with which a subtree of the walk,
// named by the cities left and the city last placed, has been searched to
// its end. A float sum never falls when a term before it grows, so the same
// subtree under a prefix no smaller (no greater) holds no route that could
// still become the shortest (the longest). A fixed number of slots, each
// subtree in one of them: a newer subtree evicts an older one, which only
// costs a search again.
class PamiecPoddrzew {
public:
    // Slots for 2^bity subtrees, 16 bytes each; throws std::bad_alloc when
    // they cannot be had. An empty slot is all zero bytes, so the slots come
    // from calloc: the system hands out zeroed pages as they are first
    // touched, and a search that touches few pays for few.
    explicit PamiecPoddrzew(int bity)
        : bity_(bity), sloty_(static_cast<Slot*>(std::calloc(std::size_t(1) << bity, sizeof(Slot)))) {
        if (!sloty_)
            throw std::bad_alloc();
    }

    // Bytes the slots take for 2^bity subtrees.
    static double Rozmiar(int bity) { return double(std::size_t(1) << bity) * double(sizeof(Slot)); }
    std::size_t Sloty() const { return std::size_t(1) << bity_; }

    void Wyczysc() { std::memset(sloty_.get(), 0, Sloty() * sizeof(Slot)); }

    float Najmniejsza(ZbiorMiast reszta, int koniec) const {
        const Slot& s = slot(reszta, koniec);
        return s.koniec == koniec && s.reszta == reszta ? s.najmniejsza : std::numeric_limits<float>::infinity();
    }
    float Najwieksza(ZbiorMiast reszta, int koniec) const {
        const Slot& s = slot(reszta, koniec);
        return s.koniec == koniec && s.reszta == reszta ? s.najwieksza : -std::numeric_limits<float>::infinity();
    }
    void Zapisz(ZbiorMiast reszta, int koniec, float suma) {
        Slot& s = slot(reszta, koniec);
        if (s.koniec != koniec || s.reszta != reszta)
            s = Slot{reszta, koniec, suma, suma};
        else if (suma < s.najmniejsza)
            s.najmniejsza = suma;
        else if (suma > s.najwieksza)
            s.najwieksza = suma;
    }

private:
    // koniec 0 marks an empty slot: the walk never ends a prefix at city 0.
    struct Slot {
        ZbiorMiast reszta;
        std::int32_t koniec;
        float najmniejsza;
        float najwieksza;
    };
    struct Zwolnij {
        void operator()(Slot* s) const { std::free(s); }
    };
    Slot& slot(ZbiorMiast reszta, int koniec) {
        return sloty_[indeks(reszta, koniec)];
    }
    const Slot& slot(ZbiorMiast reszta, int koniec) const {
        return sloty_[indeks(reszta, koniec)];
    }
    std::size_t indeks(ZbiorMiast reszta, int koniec) const {
        const std::uint64_t h = (std::uint64_t(reszta) << 6 | std::uint64_t(koniec)) * 0x9E3779B97F4A7C15ull;
        return std::size_t(h >> (64 - bity_));
    }

    int bity_;
    std::unique_ptr<Slot[], Zwolnij> sloty_;
};
