#include "search/PrzegladPermutacji.h"

#include "search/GraniceDopelnien.h"
#include "search/SumaTrasy.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <numeric>

namespace {

constexpr double kJednostkaZaokraglenia = 0x1p-24;  // of a single-precision addition
constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();
// The memory of searched subtrees takes as much room as the bounds; past
// this it would outgrow them (19 MB at 18 cities).
constexpr int kNajwiecejMiastZPamiecia = 18;

std::uint32_t bitMiasta(int miasto) {
    return std::uint32_t(1) << (miasto - 1);
}

// The bounds below rest on additions of non-negative values: each prefix sum
// is then at most the final sum, and rounding stays within a known margin.
bool nadajeSieDoOgraniczen(const TablicaOdleglosci& T, int n) {
    double najwieksza = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const float w = T[i][j];
            if (!std::isfinite(w) || w < 0.0f)
                return false;
            najwieksza = std::max(najwieksza, double(w));
        }
    // Far from overflowing a float, whatever the route.
    return najwieksza * n < 1e30;
}

// True when every sum of up to n entries is exact in single precision, as
// for whole-number distances: the bounds then need no margin at all.
bool sumyDokladne(const TablicaOdleglosci& T, int n) {
    double najwieksza = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            najwieksza = std::max(najwieksza, double(T[i][j]));
    for (int skala = 0; skala <= 24; ++skala) {
        bool calkowite = true;
        for (int i = 0; i < n && calkowite; ++i)
            for (int j = 0; j < n && calkowite; ++j) {
                const double w = std::ldexp(double(T[i][j]), skala);
                calkowite = w == std::floor(w);
            }
        if (calkowite)
            return std::ldexp(najwieksza * n, skala) < 0x1p24;
    }
    return false;
}

struct BezGranic {
    void zajmij(int) {}
    void zwolnij(int, float) {}
    bool bezZmian(float, int, float, float) const { return false; }
};

// Every city still to visit is entered once, from a city other than 0, and
// the route closes with one edge into city 0.
struct GraniceProste {
    const double* najtanszeWejscie;
    const double* najdrozszeWejscie;
    double najtanszeZamkniecie;
    double najdrozszeZamkniecie;
    double zapasDolny;
    double zapasGorny;
    // Sums over the cities not yet placed, one level per placed city, so
    // that backtracking restores them exactly.
    double* sumaTanszych;
    double* sumaDrozszych;
    int poziom = 0;

    void zajmij(int c) {
        sumaTanszych[poziom + 1] = sumaTanszych[poziom] - najtanszeWejscie[c];
        sumaDrozszych[poziom + 1] = sumaDrozszych[poziom] - najdrozszeWejscie[c];
        ++poziom;
    }
    void zwolnij(int, float) { --poziom; }
    bool bezZmian(float p, int c, float najkrotsza, float najdluzsza) const {
        const double dolna =
            (double(p) + (sumaTanszych[poziom] - najtanszeWejscie[c]) + najtanszeZamkniecie) * zapasDolny;
        if (dolna < najkrotsza)
            return false;
        const double gorna =
            (double(p) + (sumaDrozszych[poziom] - najdrozszeWejscie[c]) + najdrozszeZamkniecie) * zapasGorny;
        return gorna <= najdluzsza;
    }
};

struct GraniceHeldaKarpa {
    const GraniceDopelnien* tablice;
    std::uint32_t wolne;  // cities not yet placed
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

    std::size_t indeks(std::uint32_t reszta, int c) const {
        return std::size_t(reszta) * std::size_t(tablice->IloscMiast()) + std::size_t(c);
    }
    void zajmij(int c) { wolne &= ~bitMiasta(c); }
    void zwolnij(int c, float p) {
        if (pamiecKrotszej) {
            const std::size_t i = indeks(wolne, c);
            pamiecKrotszej[i] = std::min(pamiecKrotszej[i], p);
            pamiecDluzszej[i] = std::max(pamiecDluzszej[i], p);
        }
        wolne |= bitMiasta(c);
    }
    bool bezZmian(float p, int c, float najkrotsza, float najdluzsza) const {
        const std::uint32_t reszta = wolne & ~bitMiasta(c);
        return !krotszaMozliwa(p, reszta, c, najkrotsza) && !dluzszaMozliwa(p, reszta, c, najdluzsza);
    }
    bool krotszaMozliwa(float p, std::uint32_t reszta, int c, float najkrotsza) const {
        if (pamiecKrotszej && p >= pamiecKrotszej[indeks(reszta, c)])
            return false;
        const double dolna = (double(p) + double(tablice->Najkrotsze(reszta, c))) * zapasDolny;
        return dolna < najkrotsza && dolna <= progKrotszej;
    }
    bool dluzszaMozliwa(float p, std::uint32_t reszta, int c, float najdluzsza) const {
        if (pamiecDluzszej && p <= pamiecDluzszej[indeks(reszta, c)])
            return false;
        const double gorna = (double(p) + double(tablice->Najdluzsze(reszta, c))) * zapasGorny;
        return gorna > najdluzsza && gorna >= progDluzszej;
    }
};

} // namespace

PrzegladPermutacji::PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast,
                                       Ograniczenie ograniczenie)
    : odleglosci_(odleglosci), n_(std::max(iloscMiast, 1)), ograniczenie_(ograniczenie) {
    const std::size_t n = std::size_t(n_);
    najlepsza_.resize(n);
    trasa_.resize(n);
    sumy_.resize(n);
    nastepny_.resize(n + 1);
    uzyte_.resize(n);
    silnia_.resize(n);
    silnia_[0] = 1;
    for (std::size_t k = 1; k < n; ++k)
        silnia_[k] = silnia_[k - 1] * k;  // wraps modulo 2^64 past 20!

    if (n_ < 3 || !nadajeSieDoOgraniczen(odleglosci_, n_))
        ograniczenie_ = Ograniczenie::Brak;
    if (ograniczenie_ == Ograniczenie::Brak)
        return;

    if (!sumyDokladne(odleglosci_, n_)) {
        // Each of at most n roundings changes a sum by a factor within
        // 1 +- 2^-24; two units more cover the double arithmetic.
        zapasDolny_ = 1.0 - (n_ + 2) * kJednostkaZaokraglenia;
        zapasGorny_ = 1.0 + (n_ + 2) * kJednostkaZaokraglenia;
    }

    if (ograniczenie_ == Ograniczenie::HeldKarp) {
        if (n_ <= GraniceDopelnien::kNajwiecejMiast) {
            try {
                granice_ = std::make_unique<GraniceDopelnien>(odleglosci_, n_);
            } catch (const std::bad_alloc&) {
                granice_.reset();
            }
        }
        if (!granice_)
            ograniczenie_ = Ograniczenie::Proste;
    }
    if (ograniczenie_ == Ograniczenie::HeldKarp && n_ <= kNajwiecejMiastZPamiecia) {
        try {
            const std::size_t rozmiar = (std::size_t(1) << (n_ - 1)) * n;
            pamiecKrotszej_.resize(rozmiar);
            pamiecDluzszej_.resize(rozmiar);
        } catch (const std::bad_alloc&) {
            pamiecKrotszej_ = {};
            pamiecDluzszej_ = {};
        }
    }

    najtanszeWejscie_.assign(n, 0.0);
    najdrozszeWejscie_.assign(n, 0.0);
    sumaTanszych_.assign(n + 1, 0.0);
    sumaDrozszych_.assign(n + 1, 0.0);
    for (int u = 1; u < n_; ++u) {
        double najtansze = kNieskonczonosc;
        double najdrozsze = 0.0;
        for (int v = 1; v < n_; ++v)
            if (v != u) {
                najtansze = std::min(najtansze, double(odleglosci_[u][v]));
                najdrozsze = std::max(najdrozsze, double(odleglosci_[u][v]));
            }
        najtanszeWejscie_[std::size_t(u)] = najtansze;
        najdrozszeWejscie_[std::size_t(u)] = najdrozsze;
    }
}

PrzegladPermutacji::~PrzegladPermutacji() = default;

void PrzegladPermutacji::oglos(std::atomic<std::uint32_t>& nrPermutacji) const {
    // The identity, the first route, is not counted.
    nrPermutacji.store(pokryte_ == 0 ? 0u : std::uint32_t(pokryte_ - 1), std::memory_order_relaxed);
}

bool PrzegladPermutacji::Szukaj(const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                                int krokKontroli) {
    krokKontroli = std::max(krokKontroli, 1);
    pokryte_ = 0;
    odwiedzone_ = 0;
    std::iota(najlepsza_.begin(), najlepsza_.end(), 0);
    najkrotsza_ = najdluzsza_ = SumaTrasy(odleglosci_, najlepsza_.data(), n_);
    oglos(nrPermutacji);

    switch (ograniczenie_) {
    case Ograniczenie::Brak: {
        BezGranic granice;
        return przejdz(granice, przerwij, nrPermutacji, krokKontroli);
    }
    case Ograniczenie::Proste: {
        double tansze = 0.0;
        double drozsze = 0.0;
        double zamkniecieTansze = kNieskonczonosc;
        double zamkniecieDrozsze = 0.0;
        for (int u = 1; u < n_; ++u) {
            tansze += najtanszeWejscie_[std::size_t(u)];
            drozsze += najdrozszeWejscie_[std::size_t(u)];
            zamkniecieTansze = std::min(zamkniecieTansze, double(odleglosci_[0][u]));
            zamkniecieDrozsze = std::max(zamkniecieDrozsze, double(odleglosci_[0][u]));
        }
        sumaTanszych_[0] = tansze;
        sumaDrozszych_[0] = drozsze;
        GraniceProste granice{najtanszeWejscie_.data(), najdrozszeWejscie_.data(), zamkniecieTansze,
                              zamkniecieDrozsze, zapasDolny_, zapasGorny_, sumaTanszych_.data(),
                              sumaDrozszych_.data()};
        return przejdz(granice, przerwij, nrPermutacji, krokKontroli);
    }
    case Ograniczenie::HeldKarp: {
        if (!granice_->Zbuduj(przerwij))
            return false;
        std::vector<int>& wzor = trasa_;
        granice_->TrasaNajkrotsza(wzor.data());
        const double progKrotszej = SumaTrasy(odleglosci_, wzor.data(), n_);
        granice_->TrasaNajdluzsza(wzor.data());
        const double progDluzszej = SumaTrasy(odleglosci_, wzor.data(), n_);
        std::fill(pamiecKrotszej_.begin(), pamiecKrotszej_.end(), std::numeric_limits<float>::infinity());
        std::fill(pamiecDluzszej_.begin(), pamiecDluzszej_.end(), -std::numeric_limits<float>::infinity());
        const bool zPamiecia = !pamiecKrotszej_.empty();
        GraniceHeldaKarpa granice{granice_.get(),
                                  (std::uint32_t(1) << (n_ - 1)) - 1,
                                  zapasDolny_,
                                  zapasGorny_,
                                  progKrotszej,
                                  progDluzszej,
                                  zPamiecia ? pamiecKrotszej_.data() : nullptr,
                                  zPamiecia ? pamiecDluzszej_.data() : nullptr};
        return przejdz(granice, przerwij, nrPermutacji, krokKontroli);
    }
    }
    return true;
}

template <class Granice>
bool PrzegladPermutacji::przejdz(Granice& granice, const std::function<bool()>& przerwij,
                                 std::atomic<std::uint32_t>& nrPermutacji, int krokKontroli) {
    const TablicaOdleglosci& T = odleglosci_;
    const int n = n_;
    if (n == 1) {
        pokryte_ = odwiedzone_ = 1;
        oglos(nrPermutacji);
        return true;
    }
    int* const trasa = trasa_.data();
    float* const sumy = sumy_.data();
    int* const nastepny = nastepny_.data();
    unsigned char* const uzyte = uzyte_.data();
    std::fill(uzyte_.begin(), uzyte_.end(), 0);
    trasa[0] = 0;
    uzyte[0] = 1;
    sumy[0] = 0.0f;

    // Position d takes the unused cities in increasing order, so the routes
    // come in lexicographic order and a tie keeps the earlier one.
    int d = 1;
    nastepny[1] = 1;
    int doKontroli = krokKontroli;
    for (;;) {
        if (--doKontroli == 0) {
            doKontroli = krokKontroli;
            oglos(nrPermutacji);
            if (przerwij())
                return false;
        }
        int c = nastepny[d];
        while (c < n && uzyte[c])
            ++c;
        if (c >= n) {
            if (--d == 0)
                break;
            uzyte[trasa[d]] = 0;
            granice.zwolnij(trasa[d], sumy[d]);
            continue;
        }
        nastepny[d] = c + 1;
        const float p = sumy[d - 1] + T[c][trasa[d - 1]];
        if (d == n - 1) {
            trasa[d] = c;
            const float L = p + T[0][c];
            if (L < najkrotsza_) {
                najkrotsza_ = L;
                std::copy(trasa, trasa + n, najlepsza_.begin());
            }
            if (L > najdluzsza_)
                najdluzsza_ = L;
            ++pokryte_;
            ++odwiedzone_;
            continue;
        }
        if (granice.bezZmian(p, c, najkrotsza_, najdluzsza_)) {
            pokryte_ += silnia_[std::size_t(n - 1 - d)];
            continue;
        }
        trasa[d] = c;
        uzyte[c] = 1;
        granice.zajmij(c);
        sumy[d] = p;
        ++d;
        nastepny[d] = 1;
    }
    oglos(nrPermutacji);
    return true;
}
