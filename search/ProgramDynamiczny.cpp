#include "search/ProgramDynamiczny.h"

#include <bit>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kNieskonczonosc = std::numeric_limits<float>::infinity();
// Far above the few float steps between prog - d in float and the exact
// greatest predecessor, relative to the magnitudes involved.
constexpr float kZapas = 0x1p-18f;

// Where the entries of a set start: one entry per city of every smaller set,
// that is the number of ones in the binary forms of 0 .. zbior-1. Split into
// two halves of 12 bits, each looked up in a table of such counts.
class Poczatki {
public:
    Poczatki() {
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

const Poczatki poczatek;

// The entry of a city within its set's entries: the set's cities below it.
int miejsce(std::uint32_t zbior, int bit) {
    return std::popcount(zbior & ((std::uint32_t(1) << bit) - 1));
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

// The greatest float x with fl(x + d) <= prog, for a finite prog: rounding
// to nearest never decreases as x grows, so the x that qualify are all those
// up to it. fl(x + d) <= prog while x + d stays below the midpoint between
// prog and the next float up, or reaches it and the tie goes to an even
// prog; the caller gives that midpoint and the tie's direction.
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

ProgramDynamiczny::ProgramDynamiczny(const TablicaOdleglosci& odleglosci, int iloscMiast)
    : odleglosci_(odleglosci), n_(iloscMiast), wszystkie_((std::uint32_t(1) << (iloscMiast - 1)) - 1) {
    tablica_.resize(poczatek(wszystkie_) + std::size_t(n_ - 1));
    progi_.resize(std::size_t(n_));
    nastepne_.resize(std::size_t(n_));
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < n_; ++j)
            najwiekszaOdleglosc_ = std::max(najwiekszaOdleglosc_, std::fabs(odleglosci[i][j]));
}

bool ProgramDynamiczny::przerwac(const std::function<bool()>& przerwij, std::uint32_t zbior, bool wstecz) {
    // About a thousand sets take well under a millisecond at 25 cities.
    if ((zbior & 0x3FFu) != 0)
        return false;
    const double ile = double(wszystkie_) + 1.0;
    wykonane_ = (wstecz ? ile - zbior : double(zbior)) / ile;
    return przerwij();
}

template <class Lepsza>
bool ProgramDynamiczny::wPrzod(const std::function<bool()>& przerwij, Lepsza lepsza, float& wynik) {
    const TablicaOdleglosci& T = odleglosci_;
    float* const F = tablica_.data();
    const float najgorsza = lepsza(0.0f, 1.0f) ? kNieskonczonosc : -kNieskonczonosc;
    std::size_t baza = 0;  // entries of the sets below zbior
    for (std::uint32_t zbior = 1; zbior <= wszystkie_; baza += std::size_t(std::popcount(zbior)), ++zbior) {
        if (przerwac(przerwij, zbior, false))
            return false;
        if (std::has_single_bit(zbior)) {
            F[baza] = T[std::countr_zero(zbior) + 1][0];
            continue;
        }
        int r = 0;
        for (std::uint32_t j = zbior; j != 0; j &= j - 1, ++r) {
            const int bitJ = std::countr_zero(j);
            const float* doJ = T[bitJ + 1];
            const std::uint32_t bez = zbior & ~(std::uint32_t(1) << bitJ);
            const float* poprzednie = F + poczatek(bez);
            float najlepsza = najgorsza;
            int q = 0;
            for (std::uint32_t i = bez; i != 0; i &= i - 1, ++q) {
                const float s = poprzednie[q] + doJ[std::countr_zero(i) + 1];
                if (lepsza(s, najlepsza))
                    najlepsza = s;
            }
            F[baza + std::size_t(r)] = najlepsza;
        }
    }
    const float* ostatnie = F + poczatek(wszystkie_);
    wynik = najgorsza;
    for (int c = 1; c < n_; ++c) {
        const float s = ostatnie[c - 1] + T[0][c];
        if (lepsza(s, wynik))
            wynik = s;
    }
    wykonane_ = 1.0;
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
    for (std::uint32_t zbior = wszystkie_; zbior != 0; --zbior) {
        if (przerwac(przerwij, zbior, true))
            return false;
        float* const wpisy = G + poczatek(zbior);
        const std::uint32_t wolne = wszystkie_ & ~zbior;
        if (wolne == 0) {
            int r = 0;
            for (std::uint32_t j = zbior; j != 0; j &= j - 1, ++r)
                wpisy[r] = koniec.najwiekszyPoprzednik(T[0][std::countr_zero(j) + 1]);
            continue;
        }
        // The thresholds of the next cities k, then for each city c the
        // route may now end at: prog - d is within a float or two of the
        // exact value, so only the few k near the greatest of those are
        // worked out exactly.
        int ile = 0;
        for (std::uint32_t k = wolne; k != 0; k &= k - 1, ++ile) {
            const int bitK = std::countr_zero(k);
            const std::uint32_t z = zbior | (std::uint32_t(1) << bitK);
            nastepne_[std::size_t(ile)] = bitK + 1;
            progi_[std::size_t(ile)] = G[poczatek(z) + std::size_t(miejsce(z, bitK))];
        }
        int r = 0;
        for (std::uint32_t j = zbior; j != 0; j &= j - 1, ++r) {
            const int c = std::countr_zero(j) + 1;
            float przyblizony = -kNieskonczonosc;
            for (int i = 0; i < ile; ++i)
                przyblizony = std::max(przyblizony, progi_[std::size_t(i)] - T[nastepne_[std::size_t(i)]][c]);
            const float zapas = kZapas * (std::fabs(przyblizony) + najwiekszaOdleglosc_);
            float najwiekszy = -kNieskonczonosc;
            for (int i = 0; i < ile; ++i) {
                const float d = T[nastepne_[std::size_t(i)]][c];
                if (progi_[std::size_t(i)] - d >= przyblizony - zapas)
                    najwiekszy = std::max(najwiekszy, Prog(progi_[std::size_t(i)]).najwiekszyPoprzednik(d));
            }
            wpisy[r] = najwiekszy;
        }
    }
    return true;
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
            const std::uint32_t z = zbior | (std::uint32_t(1) << bit);
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
