#include "search/dolne/DrzewoKar.h"

#include "search/ZOdlegloscia.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <numeric>

namespace {

constexpr int kWLisciu = 8;

} // namespace

struct DrzewoKar::Zapytanie {
    int miasto;
    double x, y;
    int skladowa;  // -1: any
    int ile;
    int znalezione = 0;
    double prog;
    Trafienie* wynik;

    // A hit below the threshold, kept in order; the threshold falls to the
    // last one kept once there are enough.
    void dodaj(int j, double klucz) {
        int k = std::min(znalezione, ile - 1);
        if (znalezione < ile)
            ++znalezione;
        while (k > 0 && (wynik[k - 1].klucz > klucz || (wynik[k - 1].klucz == klucz && wynik[k - 1].miasto > j))) {
            wynik[k] = wynik[k - 1];
            --k;
        }
        wynik[k] = {j, klucz};
        if (znalezione == ile)
            prog = wynik[ile - 1].klucz;
    }
};

DrzewoKar::DrzewoKar(const Metryka& d) : rodzaj_(d.Rodzaj()) {
    assert(DolnaOdleglosc::Dotyczy(d.Rodzaj()));
    const int n = d.Ilosc();
    miasta_.resize(std::size_t(n));
    std::iota(miasta_.begin(), miasta_.end(), 0);
    x_.resize(std::size_t(n));
    y_.resize(std::size_t(n));
    kara_.assign(std::size_t(n), 0.0);
    skladowa_.assign(std::size_t(n), 0);
    pozycja_.resize(std::size_t(n));
    wezly_.reserve(std::size_t(2 * (n / kWLisciu + 1)));
    if (n > 0)
        zbuduj(0, n, d);
    for (int p = 0; p < n; ++p) {
        const std::size_t c = std::size_t(miasta_[std::size_t(p)]);
        x_[std::size_t(p)] = d.X()[c];
        y_[std::size_t(p)] = d.Y()[c];
        pozycja_[c] = p;
    }
}

int DrzewoKar::zbuduj(int od, int dokad, const Metryka& d) {
    const int nr = int(wezly_.size());
    wezly_.push_back({});
    const auto& X = d.X();
    const auto& Y = d.Y();
    Wezel w{};
    w.minX = w.minY = std::numeric_limits<double>::infinity();
    w.maxX = w.maxY = -std::numeric_limits<double>::infinity();
    for (int p = od; p < dokad; ++p) {
        const std::size_t c = std::size_t(miasta_[std::size_t(p)]);
        w.minX = std::min(w.minX, X[c]);
        w.maxX = std::max(w.maxX, X[c]);
        w.minY = std::min(w.minY, Y[c]);
        w.maxY = std::max(w.maxY, Y[c]);
    }
    w.od = od;
    w.dokad = dokad;
    w.lewy = w.prawy = -1;
    if (dokad - od > kWLisciu) {
        const bool poX = w.maxX - w.minX >= w.maxY - w.minY;
        const auto& wsp = poX ? X : Y;
        const int srodek = od + (dokad - od) / 2;
        std::nth_element(miasta_.begin() + od, miasta_.begin() + srodek, miasta_.begin() + dokad,
                         [&](int a, int b) { return wsp[std::size_t(a)] < wsp[std::size_t(b)]; });
        w.lewy = zbuduj(od, srodek, d);
        w.prawy = zbuduj(srodek, dokad, d);
    }
    wezly_[std::size_t(nr)] = w;
    return nr;
}

void DrzewoKar::UstawKary(std::span<const double> kary) {
    for (std::size_t p = 0; p < miasta_.size(); ++p)
        kara_[p] = kary[std::size_t(miasta_[p])];
    // Children come after their parent: backwards, every child is done first.
    for (std::size_t k = wezly_.size(); k-- > 0;) {
        Wezel& w = wezly_[k];
        if (w.lewy < 0) {
            w.minKara = *std::min_element(kara_.begin() + w.od, kara_.begin() + w.dokad);
        } else {
            w.minKara = std::min(wezly_[std::size_t(w.lewy)].minKara, wezly_[std::size_t(w.prawy)].minKara);
        }
    }
}

void DrzewoKar::UstawSkladowe(std::span<const int> skladowa) {
    for (std::size_t p = 0; p < miasta_.size(); ++p)
        skladowa_[p] = skladowa[std::size_t(miasta_[p])];
    for (std::size_t k = wezly_.size(); k-- > 0;) {
        Wezel& w = wezly_[k];
        if (w.lewy < 0) {
            w.skladowa = skladowa_[std::size_t(w.od)];
            for (int p = w.od + 1; p < w.dokad; ++p)
                if (skladowa_[std::size_t(p)] != w.skladowa) {
                    w.skladowa = -1;
                    break;
                }
        } else {
            const int l = wezly_[std::size_t(w.lewy)].skladowa;
            w.skladowa = l == wezly_[std::size_t(w.prawy)].skladowa ? l : -1;
        }
    }
}

int DrzewoKar::Najblizsze(int i, int ile, bool pozaSkladowa, double prog, Trafienie* wynik) const {
    ile = std::clamp(ile, 0, kNajwiecej);
    if (ile == 0 || wezly_.empty())
        return 0;
    const std::size_t p = std::size_t(pozycja_[std::size_t(i)]);
    Zapytanie z{i, x_[p], y_[p], pozaSkladowa ? skladowa_[p] : -1, ile, 0, prog, wynik};
    ZWzoremPlaskim(rodzaj_, [&](auto wzor) { szukaj<decltype(wzor)>(0, z); });
    return z.znalezione;
}

// The kind's formula inline: the distance from the asking city's own
// coordinates, as Metryka takes the differences, so the figures are its own.
template <class Wzor>
void DrzewoKar::szukaj(int nr, Zapytanie& z) const {
    const Wezel& w = wezly_[std::size_t(nr)];
    if (w.lewy < 0) {
        for (int p = w.od; p < w.dokad; ++p) {
            const std::size_t q = std::size_t(p);
            if (z.skladowa >= 0 && skladowa_[q] == z.skladowa)
                continue;
            const int j = miasta_[q];
            if (j == z.miasto || kara_[q] >= z.prog)
                continue;
            const double klucz = Wzor::Odleglosc(z.x - x_[q], z.y - y_[q]) + kara_[q];
            if (klucz < z.prog)
                z.dodaj(j, klucz);
        }
        return;
    }
    const Wezel& l = wezly_[std::size_t(w.lewy)];
    const Wezel& r = wezly_[std::size_t(w.prawy)];
    const auto granica = [&](const Wezel& v) {
        if (z.skladowa >= 0 && v.skladowa == z.skladowa)
            return std::numeric_limits<double>::infinity();
        return DolnaOdleglosc::DoPudelka<Wzor>(z.x, z.y, v.minX, v.maxX, v.minY, v.maxY) + v.minKara;
    };
    const double gl = granica(l), gr = granica(r);
    const bool lewyNajpierw = gl <= gr;
    const int pierwszy = lewyNajpierw ? w.lewy : w.prawy, drugi = lewyNajpierw ? w.prawy : w.lewy;
    const double g1 = lewyNajpierw ? gl : gr, g2 = lewyNajpierw ? gr : gl;
    if (g1 < z.prog)
        szukaj<Wzor>(pierwszy, z);
    if (g2 < z.prog)
        szukaj<Wzor>(drugi, z);
}
