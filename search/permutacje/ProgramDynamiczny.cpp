#include "search/permutacje/ProgramDynamiczny.h"

#include "search/Pomocnik.h"

#include <bit>
#include <algorithm>
#include <atomic>
#include <barrier>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr float kNieskonczonosc = std::numeric_limits<float>::infinity();
// Far above the few float steps between prog - d in float and the exact
// greatest predecessor, relative to the magnitudes involved.
constexpr float kZapas = 0x1p-18f;
// A set takes at most some microseconds at 25 cities (n^2 steps), so a hold
// or a finish is seen within about a millisecond.
constexpr std::uint32_t kZbioryMiedzyPytaniami = 256;

// Where the entries of a set start: one entry per city of every smaller set,
// that is the number of ones in the binary forms of 0 .. zbior-1. Split into
// two halves of 12 bits, each looked up in a table of such counts.
class Poczatki {
public:
    constexpr Poczatki() {
        for (std::uint32_t x = 1; x < kRozmiar; ++x)
            jedynki_[x] = jedynki_[x - 1] + std::uint32_t(std::popcount(x - 1));
    }
    std::size_t operator()(std::uint32_t zbior) const {
        const std::uint32_t gora = zbior >> kBity;
        const std::uint32_t dol = zbior & (kRozmiar - 1);
        return std::size_t(jedynki_[gora]) * kRozmiar + std::size_t(gora) * (kBity * kRozmiar / 2) +
               std::size_t(dol) * std::size_t(std::popcount(gora)) + jedynki_[dol];
    }

private:
    static constexpr std::uint32_t kBity = 12;
    static constexpr std::uint32_t kRozmiar = 1u << kBity;
    std::uint32_t jedynki_[kRozmiar] = {};
};

constexpr Poczatki poczatek;
// Two halves of 12 bits: sets of up to 24 cities besides city 0.
static_assert(ProgramDynamiczny::kNajwiecejMiast - 1 <= 24);

// The entry of a city within its set's entries: the set's cities below it.
int miejsce(ZbiorMiast zbior, int bit) {
    return std::popcount(zbior & (BitMiasta(bit + 1) - 1));
}

// The neighbouring floats, inline: the backward pass takes them billions of
// times at 25 cities.
float wyzej(float x) {
    if (std::isnan(x) || x == kNieskonczonosc)
        return x;
    if (x == 0.0f)
        return std::numeric_limits<float>::denorm_min();
    const std::uint32_t bity = std::bit_cast<std::uint32_t>(x);
    return std::bit_cast<float>(x > 0.0f ? bity + 1 : bity - 1);
}
float nizej(float x) { return -wyzej(-x); }

// For a threshold prog: the greatest float x with fl(x + d) <= prog.
// Rounding to nearest never decreases as x grows, so the x that qualify are
// all those up to it. fl(x + d) <= prog while x + d stays below the midpoint
// between prog and the next float up, or reaches it and the tie goes to an
// even prog; both are worked out once per threshold.
struct Prog {
    float prog;
    double srodek;
    bool remisDoProgu;

    explicit Prog(float p)
        : prog(p), srodek((double(p) + double(wyzej(p))) / 2.0),
          remisDoProgu((std::bit_cast<std::uint32_t>(p) & 1u) == 0) {}

    float najwiekszyPoprzednik(float d) const {
        // Exact whenever x + d cancels, which is where stepping float by
        // float would take millions of steps; elsewhere a step or two at
        // most puts it right.
        const double granica = srodek - double(d);
        float x = static_cast<float>(granica);
        // Rounded up past the bound half of the time, unpredictably: one
        // float down without a branch (a zero goes down as -0).
        const bool zaWysoko = double(x) > granica || (double(x) == granica && !remisDoProgu);
        std::uint32_t bity = std::bit_cast<std::uint32_t>(x) | (std::uint32_t(x == 0.0f) << 31);
        const std::uint32_t krok = std::int32_t(bity) < 0 ? 1u : std::uint32_t(-1);
        bity += zaWysoko ? krok : 0u;
        x = std::bit_cast<float>(bity);
        while (x + d > prog)
            x = nizej(x);
        while (wyzej(x) + d <= prog)
            x = wyzej(x);
        return x;
    }
};

} // namespace

double ProgramDynamiczny::Rozmiar(int iloscMiast) {
    const int m = iloscMiast - 1;
    return m < 1 ? 0.0 : std::ldexp(double(m) * sizeof(float), m - 1);
}

ProgramDynamiczny::ProgramDynamiczny(const TablicaOdleglosci& odleglosci, int iloscMiast, MemoryAccount& konto)
    : odleglosci_(odleglosci), n_(iloscMiast) {
    if (n_ < 3 || n_ > kNajwiecejMiast || n_ > odleglosci.Count())
        throw std::invalid_argument("ProgramDynamiczny: city count out of range");
    wszystkie_ = WszystkieMiasta(n_);
    udzial_ = konto.take(Rozmiar(n_));
    tablica_.resize(poczatek(wszystkie_) + std::size_t(n_ - 1));
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < n_; ++j)
            najwiekszaOdleglosc_ = std::max(najwiekszaOdleglosc_, std::fabs(odleglosci[i][j]));
}

// Sets of k cities depend only on sets of k-1 (forward) or k+1 (backward):
// each layer is split between two threads, which meet before the next one.
template <class Krok>
bool ProgramDynamiczny::warstwami(const std::function<bool()>& przerwij, bool wstecz, Krok krok) {
    const int m = n_ - 1;
    const double wszystkieZbiory = double(wszystkie_);
    std::atomic<std::uint64_t> zrobione{0};
    std::atomic<bool> stop{false};
    std::barrier<> spotkanie(2);
    const auto watek = [&](int numer, int ileWatkow) {
        // However this thread ends, it leaves the meeting point, so that the
        // other one never waits for it there.
        struct Odejscie {
            std::barrier<>* spotkanie;
            ~Odejscie() {
                if (spotkanie)
                    spotkanie->arrive_and_drop();
            }
        } odejscie{ileWatkow > 1 ? &spotkanie : nullptr};
        try {
            Brudnopis brudnopis{std::size_t(n_)};
            std::uint32_t doPytania = 0;
            for (int w = 0; w < m; ++w) {
                const int k = wstecz ? m - w : w + 1;
                std::uint32_t indeks = 0;
                // The sets of k cities in increasing order (Gosper's hack).
                for (ZbiorMiast zbior = WszystkieMiasta(k + 1);
                     zbior <= wszystkie_ && !stop.load(std::memory_order_relaxed); ++indeks) {
                    if (int(indeks % std::uint32_t(ileWatkow)) == numer) {
                        krok(zbior, brudnopis);
                        if (++doPytania == kZbioryMiedzyPytaniami) {
                            doPytania = 0;
                            wykonane_.store(double(zrobione.fetch_add(kZbioryMiedzyPytaniami) +
                                                   kZbioryMiedzyPytaniami) /
                                                wszystkieZbiory,
                                            std::memory_order_relaxed);
                            if (przerwij())
                                stop = true;
                        }
                    }
                    const ZbiorMiast najnizszy = zbior & (~zbior + 1);
                    const ZbiorMiast r = zbior + najnizszy;
                    zbior = (((r ^ zbior) >> 2) / najnizszy) | r;
                }
                if (odejscie.spotkanie)
                    spotkanie.arrive_and_wait();
                if (stop)
                    return;
            }
        } catch (...) {
            stop = true;
            throw;
        }
    };
    {
        Pomocnik pomocnik([&] { watek(1, 2); });
        if (pomocnik.Dziala())
            watek(0, 2);
        else
            watek(0, 1);
        pomocnik.Dolacz();
    }
    if (stop)
        return false;
    wykonane_.store(1.0, std::memory_order_relaxed);
    return true;
}

template <class Lepsza>
bool ProgramDynamiczny::wPrzod(const std::function<bool()>& przerwij, Lepsza lepsza, float& wynik) {
    const TablicaOdleglosci& T = odleglosci_;
    float* const F = tablica_.data();
    const float najgorsza = lepsza(0.0f, 1.0f) ? kNieskonczonosc : -kNieskonczonosc;
    const bool zrobione = warstwami(przerwij, false, [&](std::uint32_t zbior, Brudnopis&) {
        float* const wpisy = F + poczatek(zbior);
        if (std::has_single_bit(zbior)) {
            wpisy[0] = T[std::countr_zero(zbior) + 1][0];
            return;
        }
        int r = 0;
        for (std::uint32_t j = zbior; j != 0; j &= j - 1, ++r) {
            const int bitJ = std::countr_zero(j);
            const float* doJ = T[bitJ + 1];
            const std::uint32_t bez = zbior & ~BitMiasta(bitJ + 1);
            const float* poprzednie = F + poczatek(bez);
            float najlepsza = najgorsza;
            int q = 0;
            for (std::uint32_t i = bez; i != 0; i &= i - 1, ++q) {
                const float s = poprzednie[q] + doJ[std::countr_zero(i) + 1];
                if (lepsza(s, najlepsza))
                    najlepsza = s;
            }
            wpisy[r] = najlepsza;
        }
    });
    if (!zrobione)
        return false;
    const float* ostatnie = F + poczatek(wszystkie_);
    wynik = najgorsza;
    for (int c = 1; c < n_; ++c) {
        const float s = ostatnie[c - 1] + T[0][c];
        if (lepsza(s, wynik))
            wynik = s;
    }
    return true;
}

bool ProgramDynamiczny::Najkrotsza(const std::function<bool()>& przerwij, float& wynik) {
    return wPrzod(przerwij, [](float a, float b) { return a < b; }, wynik);
}

bool ProgramDynamiczny::Najdluzsza(const std::function<bool()>& przerwij, float& wynik) {
    return wPrzod(przerwij, [](float a, float b) { return a > b; }, wynik);
}

// Entry (zbior, c): the greatest prefix sum, over the cities of zbior and
// ending at c, from which some completion still ends at najkrotsza or below.
bool ProgramDynamiczny::wstecz(const std::function<bool()>& przerwij, float najkrotsza) {
    const TablicaOdleglosci& T = odleglosci_;
    float* const G = tablica_.data();
    const Prog koniec(najkrotsza);
    return warstwami(przerwij, true, [&](std::uint32_t zbior, Brudnopis& brudnopis) {
        float* const wpisy = G + poczatek(zbior);
        const std::uint32_t wolne = wszystkie_ & ~zbior;
        if (wolne == 0) {
            int r = 0;
            for (std::uint32_t j = zbior; j != 0; j &= j - 1, ++r)
                wpisy[r] = koniec.najwiekszyPoprzednik(T[0][std::countr_zero(j) + 1]);
            return;
        }
        // The thresholds of the next cities k, then for each city c the
        // route may now end at: prog - d is within a float or two of the
        // exact value, so only the few k near the greatest of those are
        // worked out exactly.
        float* const progi = brudnopis.progi.data();
        int* const nastepne = brudnopis.nastepne.data();
        int ile = 0;
        for (std::uint32_t k = wolne; k != 0; k &= k - 1, ++ile) {
            const int bitK = std::countr_zero(k);
            const std::uint32_t z = zbior | BitMiasta(bitK + 1);
            nastepne[ile] = bitK + 1;
            progi[ile] = G[poczatek(z) + std::size_t(miejsce(z, bitK))];
        }
        int r = 0;
        for (std::uint32_t j = zbior; j != 0; j &= j - 1, ++r) {
            const int c = std::countr_zero(j) + 1;
            float przyblizony = -kNieskonczonosc;
            for (int i = 0; i < ile; ++i)
                przyblizony = std::max(przyblizony, progi[i] - T[nastepne[i]][c]);
            const float zapas = kZapas * (std::fabs(przyblizony) + najwiekszaOdleglosc_);
            float najwiekszy = -kNieskonczonosc;
            for (int i = 0; i < ile; ++i) {
                const float d = T[nastepne[i]][c];
                if (progi[i] - d >= przyblizony - zapas)
                    najwiekszy = std::max(najwiekszy, Prog(progi[i]).najwiekszyPoprzednik(d));
            }
            wpisy[r] = najwiekszy;
        }
    });
}

bool ProgramDynamiczny::PierwszaNajkrotsza(const std::function<bool()>& przerwij, float najkrotsza,
                                           std::vector<int>& trasa) {
    if (!std::isfinite(najkrotsza) || !wstecz(przerwij, najkrotsza))
        return false;
    const TablicaOdleglosci& T = odleglosci_;
    std::vector<int> wynik(std::size_t(n_), 0);
    std::uint32_t zbior = 0;
    float suma = 0.0f;
    for (int pozycja = 1; pozycja < n_; ++pozycja) {
        const int poprzednie = wynik[std::size_t(pozycja - 1)];
        int wybrane = 0;
        for (int c = 1; c < n_ && wybrane == 0; ++c) {
            const int bit = c - 1;
            if ((zbior >> bit) & 1u)
                continue;
            const std::uint32_t z = zbior | BitMiasta(bit + 1);
            const float s = suma + T[c][poprzednie];
            if (s <= tablica_[poczatek(z) + std::size_t(miejsce(z, bit))]) {
                wybrane = c;
                zbior = z;
                suma = s;
            }
        }
        if (wybrane == 0)
            return false;  // not a result of Najkrotsza on this table
        wynik[std::size_t(pozycja)] = wybrane;
    }
    trasa = std::move(wynik);
    return true;
}
