#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

// The least and the greatest prefix sum with which a subtree of the walk,
// named by the cities left and the city last placed, has been searched to
// its end. A float sum never falls when a term before it grows, so the same
// subtree under a prefix no smaller (no greater) holds no route that could
// still become the shortest (the longest). A fixed number of slots, each
// subtree in one of them: a newer subtree evicts an older one, which only
// costs a search again.
class PamiecPoddrzew {
public:
    // Slots for 2^bity subtrees, 16 bytes each; may throw std::bad_alloc.
    explicit PamiecPoddrzew(int bity) : bity_(bity), sloty_(std::size_t(1) << bity) {}

    void Wyczysc() { std::fill(sloty_.begin(), sloty_.end(), Slot{}); }

    float Najmniejsza(std::uint32_t reszta, int koniec) const {
        const Slot& s = slot(reszta, koniec);
        return s.koniec == koniec && s.reszta == reszta ? s.najmniejsza : std::numeric_limits<float>::infinity();
    }
    float Najwieksza(std::uint32_t reszta, int koniec) const {
        const Slot& s = slot(reszta, koniec);
        return s.koniec == koniec && s.reszta == reszta ? s.najwieksza : -std::numeric_limits<float>::infinity();
    }
    void Zapisz(std::uint32_t reszta, int koniec, float suma) {
        Slot& s = slot(reszta, koniec);
        if (s.koniec != koniec || s.reszta != reszta)
            s = Slot{reszta, koniec, suma, suma};
        else if (suma < s.najmniejsza)
            s.najmniejsza = suma;
        else if (suma > s.najwieksza)
            s.najwieksza = suma;
    }

private:
    struct Slot {
        std::uint32_t reszta = 0;
        std::int32_t koniec = -1;
        float najmniejsza = 0.0f;
        float najwieksza = 0.0f;
    };
    Slot& slot(std::uint32_t reszta, int koniec) {
        return sloty_[indeks(reszta, koniec)];
    }
    const Slot& slot(std::uint32_t reszta, int koniec) const {
        return sloty_[indeks(reszta, koniec)];
    }
    std::size_t indeks(std::uint32_t reszta, int koniec) const {
        const std::uint64_t h = (std::uint64_t(reszta) << 6 | std::uint64_t(koniec)) * 0x9E3779B97F4A7C15ull;
        return std::size_t(h >> (64 - bity_));
    }

    int bity_;
    std::vector<Slot> sloty_;
};
