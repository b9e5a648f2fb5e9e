#include "search/PrzegladPermutacji.h"

#include "search/GraniceDopelnien.h"
#include "search/PamiecPoddrzew.h"
#include "search/RelaksacjaLagrange.h"
#include "search/SumaTrasy.h"
#include "search/TrasaPoczatkowa.h"

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
// Above that, a memory of a fixed size: 256 MB, which keeps layouts full of
// equal-length routes from searching the same subtrees over and over.
constexpr int kBityPamieciPoddrzew = 24;

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

// When every sum of up to n entries is exact in single precision, as for
// whole-number distances, the step all sums are multiples of (the bounds
// then need no margin at all); else 0.
double krokDokladnychSum(const TablicaOdleglosci& T, int n) {
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
            return std::ldexp(najwieksza * n, skala) < 0x1p24 ? std::ldexp(1.0, -skala) : 0.0;
    }
    return 0.0;
}

// Symmetric costs that bound both directions of every edge: the cheaper
// one for the shortest route, the dearer one, negated, for the longest.
std::vector<double> kosztyKrancowe(const TablicaOdleglosci& T, int n, bool dluzsza) {
    std::vector<double> koszty(std::size_t(n) * std::size_t(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double a = T[i][j];
            const double b = T[j][i];
            koszty[std::size_t(i) * std::size_t(n) + std::size_t(j)] = dluzsza ? -std::max(a, b) : std::min(a, b);
        }
    return koszty;
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


// The Lagrangian bound on the completion of the route: from the city just
// placed through every city left and back to city 0. Each child starts from
// its parent's penalties, so a few steps of the ascent suffice deeper down.
struct GraniceLagrange {
    int n;
    RelaksacjaLagrange* krotsza;  // null when the shortest is not sought
    RelaksacjaLagrange* dluzsza;  // null when the longest is not sought
    double* karyKrotszej;         // (n + 1) levels of n penalties
    double* karyDluzszej;
    double zapasDolny;
    double zapasGorny;
    double krokSum;
    double progKrotszej;
    double progDluzszej;
    unsigned char* uzyte;  // the walk's own flags of placed cities
    PamiecPoddrzew* pamiec;  // or null
    std::uint32_t wolne = 0;  // cities not yet placed, bit c-1 for city c
    std::vector<int> wezly = std::vector<int>(std::size_t(n));
    std::vector<double> kandydatKrotszej = std::vector<double>(std::size_t(n));
    std::vector<double> kandydatDluzszej = std::vector<double>(std::size_t(n));
    int poziom = 0;

    static constexpr int kIteracjePierwszego = 120;
    static constexpr int kIteracje = 12;
    // The bound on the longest completion gains more from a longer ascent:
    // on random cities its walk takes about half the time with it.
    static constexpr int kIteracjeDluzszej = 40;

    // A bound on a sum of whole steps may be raised to the next step.
    double naSiatke(double w) const { return krokSum > 0.0 ? std::ceil(w / krokSum) * krokSum : w; }

    void zajmij(int c) {
        wolne &= ~bitMiasta(c);
        const std::size_t nn = std::size_t(n);
        std::copy(kandydatKrotszej.begin(), kandydatKrotszej.end(), karyKrotszej + (poziom + 1) * nn);
        std::copy(kandydatDluzszej.begin(), kandydatDluzszej.end(), karyDluzszej + (poziom + 1) * nn);
        ++poziom;
    }
    void zwolnij(int c, float p) {
        --poziom;
        if (pamiec)
            pamiec->Zapisz(wolne, c, p);
        wolne |= bitMiasta(c);
    }

    bool bezZmian(float p, int c, float najkrotsza, float najdluzsza) {
        const std::uint32_t reszta = wolne & ~bitMiasta(c);
        const bool krotszaWPamieci = krotsza && pamiec && p >= pamiec->Najmniejsza(reszta, c);
        const bool dluzszaWPamieci = dluzsza && pamiec && p <= pamiec->Najwieksza(reszta, c);
        if ((!krotsza || krotszaWPamieci) && (!dluzsza || dluzszaWPamieci))
            return true;
        const std::size_t nn = std::size_t(n);
        int k = 2;
        wezly[0] = c;
        wezly[1] = 0;
        for (int v = 1; v < n; ++v)
            if (!uzyte[v] && v != c)
                wezly[std::size_t(k++)] = v;
        const int iteracje = poziom == 0 ? kIteracjePierwszego : kIteracje;
        const int iteracjeDluzszej = poziom == 0 ? kIteracjePierwszego : kIteracjeDluzszej;
        std::copy(karyKrotszej + poziom * nn, karyKrotszej + (poziom + 1) * nn, kandydatKrotszej.begin());
        std::copy(karyDluzszej + poziom * nn, karyDluzszej + (poziom + 1) * nn, kandydatDluzszej.begin());
        if (krotsza && !krotszaWPamieci && krotszaMozliwa(p, k, iteracje, najkrotsza))
            return false;
        return !(dluzsza && !dluzszaWPamieci && dluzszaMozliwa(p, k, iteracjeDluzszej, najdluzsza));
    }
    bool krotszaMozliwa(float p, int k, int iteracje, float najkrotsza) {
        // Rounding can only lower a sum by zapasDolny, so a completion of at
        // least dosc gives no route below the best or the first threshold.
        const double dosc = std::min(double(najkrotsza), progKrotszej) / zapasDolny - double(p);
        const double C = naSiatke(krotsza->Ocen(wezly.data(), k, kandydatKrotszej.data(), iteracje, dosc));
        const double dolna = (double(p) + C) * zapasDolny;
        return dolna < najkrotsza && dolna <= progKrotszej;
    }
    bool dluzszaMozliwa(float p, int k, int iteracje, float najdluzsza) {
        // The costs are negated: the bound is on minus the completion.
        const double dosc = double(p) - std::max(double(najdluzsza), progDluzszej) / zapasGorny;
        const double C = -naSiatke(dluzsza->Ocen(wezly.data(), k, kandydatDluzszej.data(), iteracje, dosc));
        const double gorna = (double(p) + C) * zapasGorny;
        return gorna > najdluzsza && gorna >= progDluzszej;
    }
};

} // namespace

PrzegladPermutacji::Ograniczenie PrzegladPermutacji::Domyslne(int iloscMiast) {
    if (iloscMiast <= GraniceDopelnien::kNajwiecejDomyslnie)
        return Ograniczenie::HeldKarp;
    return iloscMiast <= PokrycieTras::kNajwiecejMiast ? Ograniczenie::Lagrange : Ograniczenie::Proste;
}

PrzegladPermutacji::PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast,
                                       Ograniczenie ograniczenie, Cel cel)
    : odleglosci_(odleglosci), n_(std::max(iloscMiast, 1)), ograniczenie_(ograniczenie), cel_(cel) {
    const std::size_t n = std::size_t(n_);
    najlepsza_.resize(n);
    trasa_.resize(n);
    sumy_.resize(n);
    nastepny_.resize(n + 1);
    uzyte_.resize(n);
    silnia_.resize(n);
    silnia_[0] = 1;
    for (std::size_t k = 1; k < n; ++k)
        silnia_[k] = silnia_[k - 1] * k;  // wraps modulo 2^128 past 34!

    if (n_ < 3 || !nadajeSieDoOgraniczen(odleglosci_, n_))
        ograniczenie_ = Ograniczenie::Brak;
    if (ograniczenie_ != Ograniczenie::Lagrange)
        cel_ = Cel::Oba;
    if (ograniczenie_ == Ograniczenie::Brak)
        return;

    krokSum_ = krokDokladnychSum(odleglosci_, n_);
    if (krokSum_ == 0.0) {
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
            ograniczenie_ = Ograniczenie::Lagrange;
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
    if (ograniczenie_ == Ograniczenie::Lagrange) {
        if (n_ > PokrycieTras::kNajwiecejMiast) {
            ograniczenie_ = Ograniczenie::Proste;
        } else {
            try {
                relaksacjaKrotszej_ =
                    std::make_unique<RelaksacjaLagrange>(kosztyKrancowe(odleglosci_, n_, false), n_);
                relaksacjaDluzszej_ =
                    std::make_unique<RelaksacjaLagrange>(kosztyKrancowe(odleglosci_, n_, true), n_);
                karyKrotszej_.assign((n + 1) * n, 0.0);
                karyDluzszej_.assign((n + 1) * n, 0.0);
            } catch (const std::bad_alloc&) {
                ograniczenie_ = Ograniczenie::Proste;
                cel_ = Cel::Oba;
            }
            try {
                if (ograniczenie_ == Ograniczenie::Lagrange)
                    pamiecPoddrzew_ = std::make_unique<PamiecPoddrzew>(std::min(kBityPamieciPoddrzew, n_ + 3));
            } catch (const std::bad_alloc&) {
                pamiecPoddrzew_.reset();
            }
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
    if (pokrycie_)
        pokrycie_->Zglos(przeglad_, pokryte_);
}

bool PrzegladPermutacji::Szukaj(const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                                int krokKontroli) {
    krokKontroli = std::max(krokKontroli, 1);
    pokryte_ = 0;
    odwiedzone_ = 0;
    kroki_ = 0;
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
    case Ograniczenie::Lagrange:
        return szukajZLagrange(przerwij, nrPermutacji, krokKontroli);
    }
    return true;
}

bool PrzegladPermutacji::szukajZLagrange(const std::function<bool()>& przerwij,
                                         std::atomic<std::uint32_t>& nrPermutacji, int krokKontroli) {
    const bool krotsza = cel_ != Cel::Najdluzsza;
    const bool dluzsza = cel_ != Cel::Najkrotsza;
    // Good routes first: their lengths bound the walk before it meets them.
    // Either direction of a route is a route; its sum may differ in the
    // last bits, and the better one serves.
    const auto prog = [&](bool szukajDluzszej, float& wynik, std::vector<int>& trasa) {
        std::vector<int> znaleziona = TrasaPoczatkowa(kosztyKrancowe(odleglosci_, n_, szukajDluzszej), n_, przerwij);
        // Its length prunes the walk: it must be a real route from city 0.
        std::vector<int> posortowana = znaleziona;
        std::sort(posortowana.begin(), posortowana.end());
        std::vector<int> wszystkie(static_cast<std::size_t>(n_));
        std::iota(wszystkie.begin(), wszystkie.end(), 0);
        if (posortowana != wszystkie || znaleziona[0] != 0)
            return;
        trasa = std::move(znaleziona);
        wynik = SumaTrasy(odleglosci_, trasa.data(), n_);
        std::vector<int> odwrotna(trasa.size());
        odwrotna[0] = 0;
        std::reverse_copy(trasa.begin() + 1, trasa.end(), odwrotna.begin() + 1);
        const float L = SumaTrasy(odleglosci_, odwrotna.data(), n_);
        if (szukajDluzszej ? L > wynik : L < wynik) {
            wynik = L;
            trasa = odwrotna;
        }
    };
    float progKrotszej = najkrotsza_;
    float progDluzszej = najdluzsza_;
    std::vector<int> trasaKrotsza = najlepsza_;
    std::vector<int> trasaDluzsza = najlepsza_;
    if (krotsza)
        prog(false, progKrotszej, trasaKrotsza);
    if (dluzsza)
        prog(true, progDluzszej, trasaDluzsza);

    if (pamiecPoddrzew_ && !pamiecCzysta_)
        pamiecPoddrzew_->Wyczysc();
    pamiecCzysta_ = false;
    std::fill(karyKrotszej_.begin(), karyKrotszej_.end(), 0.0);
    std::fill(karyDluzszej_.begin(), karyDluzszej_.end(), 0.0);
    GraniceLagrange granice{n_,
                            krotsza ? relaksacjaKrotszej_.get() : nullptr,
                            dluzsza ? relaksacjaDluzszej_.get() : nullptr,
                            karyKrotszej_.data(),
                            karyDluzszej_.data(),
                            zapasDolny_,
                            zapasGorny_,
                            krokSum_,
                            progKrotszej,
                            progDluzszej,
                            uzyte_.data(),
                            pamiecPoddrzew_.get(),
                            (std::uint32_t(1) << (n_ - 1)) - 1};
    // One step of this walk may run an ascent of a hundred spanning trees:
    // poll often enough to stop within milliseconds.
    const bool doKonca = !przerwij() && przejdz(granice, przerwij, nrPermutacji, std::min(krokKontroli, 2));
    if (!doKonca) {
        // Stopped early: the starting routes are real routes with their own
        // lengths, and may beat what the walk has met so far.
        if (krotsza && progKrotszej < najkrotsza_) {
            najkrotsza_ = progKrotszej;
            najlepsza_ = trasaKrotsza;
        }
        if (dluzsza)
            najdluzsza_ = std::max(najdluzsza_, progDluzszej);
    }
    return doKonca;
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
        ++kroki_;
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
