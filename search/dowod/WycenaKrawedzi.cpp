#include "search/dowod/WycenaKrawedzi.h"

#include "search/dowod/TolerancjeDowodu.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

// A long double operation errs by at most half of this relative to its
// result; a recursive sum of N terms by at most N times it relative to the
// sum of the terms' magnitudes. Every margin below is that bound, taken
// whole, for the sums this file actually does.
constexpr long double kEps = std::numeric_limits<long double>::epsilon();

} // namespace

// What one edge contributes, as przejdz hands it over: its reduced cost
// (exact, or only a lower estimate when that estimate is >= 0 and the edge
// may be 0, which is all the bound needs), its bounds and the margin for
// the rounding of its reduced cost.
struct WycenaKrawedzi::Krok {
    Krawedz k;
    long double rc;
    bool dokladny;
    double dolna, gorna;
    int kolumna;
    long double blad;
};

// The duals as node potentials: pi_v is the degree row's dual plus the
// duals of the cuts with a set holding v. A pair inside such a set gets 2y
// back (it does not cross the set), and an edge of F gets 2y back (its
// coefficient is -2): the sets each city is in, in increasing set number,
// and the edges of F, with their duals, give those corrections. modul sums
// the magnitudes that pi adds and wyrazy counts them, for the rounding
// margin; stala is sum y_r b_r, of wyrazyStalej terms.
struct WycenaKrawedzi::Potencjaly {
    std::vector<long double> pi, modul;
    std::vector<long long> wyrazy;
    std::vector<std::vector<std::pair<int, long double>>> zbiory;
    std::unordered_map<std::size_t, long double> zKrawedzi;
    long double stala = 0.0L, modulStalej = 0.0L;
    long long wyrazyStalej = 0;

    // What the corrections give back to the pair (a, b): both are >= 0.
    long double Poprawka(int a, int b, std::size_t indeks) const {
        long double poprawka = 0.0L;
        const auto& zbioryA = zbiory[std::size_t(a)];
        const auto& zbioryB = zbiory[std::size_t(b)];
        for (std::size_t i = 0, j = 0; i < zbioryA.size() && j < zbioryB.size();) {
            if (zbioryA[i].first < zbioryB[j].first)
                ++i;
            else if (zbioryA[i].first > zbioryB[j].first)
                ++j;
            else {
                poprawka += 2.0L * zbioryA[i].second;
                ++i;
                ++j;
            }
        }
        if (!zKrawedzi.empty())
            if (const auto f = zKrawedzi.find(indeks); f != zKrawedzi.end())
                poprawka += f->second;
        return poprawka;
    }
};

WycenaKrawedzi::Potencjaly WycenaKrawedzi::potencjaly(std::span<const double> dualne) const {
    const int n = lp_.Wagi().Ilosc();
    const std::vector<Ciecie>& ciecia = lp_.Ciecia();
    Potencjaly p;
    p.pi.assign(std::size_t(n), 0.0L);
    p.modul.assign(std::size_t(n), 0.0L);
    p.wyrazy.assign(std::size_t(n), 1);
    p.zbiory.resize(std::size_t(n));
    for (int v = 0; v < n; ++v) {
        const long double y = dualne[std::size_t(v)];
        p.pi[std::size_t(v)] += y;
        p.modul[std::size_t(v)] += std::fabs(y);
        p.stala += 2.0L * y;
        p.modulStalej += 2.0L * std::fabs(y);
        ++p.wyrazyStalej;
    }
    int numerZbioru = 0;
    for (std::size_t c = 0; c < ciecia.size(); ++c) {
        const long double y = std::max(0.0, dualne[std::size_t(n) + c]);
        if (y == 0.0L)
            continue;
        p.stala += y * ciecia[c].prawa;
        p.modulStalej += y * std::abs(ciecia[c].prawa);
        ++p.wyrazyStalej;
        for (const std::vector<int>& s : ciecia[c].zbiory) {
            for (int v : s) {
                p.pi[std::size_t(v)] += y;
                p.modul[std::size_t(v)] += y;
                ++p.wyrazy[std::size_t(v)];
                p.zbiory[std::size_t(v)].emplace_back(numerZbioru, y);
            }
            ++numerZbioru;
        }
        for (const Krawedz& k : ciecia[c].zeby)
            p.zKrawedzi[k.Indeks()] += 2.0L * y;
    }
    return p;
}

// Every pair once. The corrections being >= 0, w_e - pi_a - pi_b is a
// lower estimate of rc_e, and pairs where that is >= 0 need no more work.
// Each edge's error bound counts the terms summed into its reduced cost:
// pi_a's and pi_b's (each its own sum), the weight, and the corrections (at
// most one a set of a's, and F's). Returns sum y_r b_r less its own
// rounding's bound: the caller adds the edges' terms and their margins.
template <class Dla>
long double WycenaKrawedzi::przejdz(std::span<const double> dualne, bool zWagami, Dla&& dla) {
    const WagiKrawedzi& w = lp_.Wagi();
    const int n = w.Ilosc();
    const Potencjaly p = potencjaly(dualne);
    for (int a = 1; a < n; ++a) {
        const double* wiersz = w.Wiersz(a);
        for (int b = 0; b < a; ++b) {
            const Krawedz k(a, b);
            const std::size_t indeks = k.Indeks();
            if (wyeliminowana_[indeks])
                continue;
            const int kolumna = lp_.Kolumna(k);
            const double dolna = kolumna >= 0 ? lp_.Dolna(kolumna) : 0.0;
            const double gorna = kolumna >= 0 ? lp_.Gorna(kolumna) : 1.0;
            const long double waga = zWagami ? (long double)wiersz[b] : 0.0L;
            const long double rc0 = waga - p.pi[std::size_t(a)] - p.pi[std::size_t(b)];
            const long double modulRc0 = std::fabs(waga) + p.modul[std::size_t(a)] + p.modul[std::size_t(b)];
            const long long wyrazy = p.wyrazy[std::size_t(a)] + p.wyrazy[std::size_t(b)] + 2;
            if (rc0 >= 0.0L && dolna == 0.0) {
                dla(Krok{k, rc0, false, dolna, gorna, kolumna, kEps * (long double)wyrazy * modulRc0});
                continue;
            }
            const long double poprawka = p.Poprawka(a, b, indeks);
            const long long wszystkie = wyrazy + p.wyrazy[std::size_t(a)] + 2;
            dla(Krok{k, rc0 + poprawka, true, dolna, gorna, kolumna,
                     kEps * (long double)wszystkie * (modulRc0 + poprawka)});
        }
    }
    return p.stala - kEps * (long double)(p.wyrazyStalej + 1) * p.modulStalej;
}

WycenaKrawedzi::WycenaKrawedzi(const ProgramLiniowy& lp, const std::vector<std::uint8_t>& wyeliminowana)
    : lp_(lp), wyeliminowana_(wyeliminowana) {}

// The exact term of an edge is min(rc_e l_e, rc_e u_e) with l, u in
// [0, 1]: off from the computed one by at most the reduced cost's error.
// An edge left at its lower estimate rc >= 0 (and l = 0) counts 0, short of
// its exact term only where rc is within its error of 0.
WycenaKrawedzi::Wynik WycenaKrawedzi::Wycen(std::span<const double> dualne, bool zWagami, std::size_t limit) {
    Wynik wynik;
    long double suma = 0.0L, modulSumy = 0.0L, zapas = 0.0L;
    long long wyrazy = 0;
    const long double stala = przejdz(dualne, zWagami, [&](const Krok& k) {
        if (!k.dokladny) {
            if (k.rc < k.blad)
                zapas += (k.blad - k.rc) * k.gorna;
            return;
        }
        const long double wyraz = k.rc < 0.0L ? k.rc * k.gorna : k.rc * k.dolna;
        zapas += k.blad * std::max(std::fabs(k.dolna), std::fabs(k.gorna));
        if (k.kolumna < 0 && k.rc < -TolerancjeDowodu::kUjemnyKoszt)
            wynik.ujemne.push_back({double(k.rc), k.k});
        if (wyraz == 0.0L)
            return;
        suma += wyraz;
        modulSumy += std::fabs(wyraz);
        ++wyrazy;
    });
    zapas += kEps * (long double)(wyrazy + 1) * modulSumy;
    // The last three operations, and the margins' own sums, generously.
    zapas += 8.0L * kEps * (std::fabs(stala) + modulSumy + zapas);
    wynik.granica = stala + suma - zapas;
    const auto mniejszy = [](const Ujemna& x, const Ujemna& y) { return x.koszt < y.koszt; };
    if (wynik.ujemne.size() > limit) {
        std::nth_element(wynik.ujemne.begin(), wynik.ujemne.begin() + std::ptrdiff_t(limit), wynik.ujemne.end(), mniejszy);
        wynik.ujemne.resize(limit);
    }
    std::sort(wynik.ujemne.begin(), wynik.ujemne.end(), mniejszy);
    return wynik;
}

std::vector<WycenaKrawedzi::Ustalenie> WycenaKrawedzi::Ustal(std::span<const double> dualne, long double granica,
                                                            const std::function<bool(long double)>& wystarcza) {
    std::vector<Ustalenie> wynik;
    przejdz(dualne, true, [&](const Krok& k) {
        if (k.dolna != 0.0 || k.gorna != 1.0)
            return;
        if (k.rc > 0.0L && wystarcza(granica + k.rc - k.blad))
            wynik.push_back({k.k, 0});
        else if (k.dokladny && k.rc < 0.0L && k.kolumna >= 0 && wystarcza(granica - k.rc - k.blad))
            wynik.push_back({k.k, 1});
    });
    return wynik;
}
