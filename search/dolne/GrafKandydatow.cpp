#include "search/dolne/GrafKandydatow.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();

} // namespace

GrafKandydatow::GrafKandydatow(const std::vector<std::vector<int>>& listy, const Odleglosc& d) {
    std::vector<std::pair<int, int>> krawedzie;
    for (std::size_t a = 0; a < listy.size(); ++a)
        for (int b : listy[a])
            if (b != int(a))
                krawedzie.push_back({std::min(int(a), b), std::max(int(a), b)});
    poczatki_.assign(listy.size() + 1, 0);
    zbuduj(std::move(krawedzie), d);
}

bool GrafKandydatow::jest(int a, int b) const {
    const auto od = sasiad_.begin() + std::ptrdiff_t(poczatki_[std::size_t(a)]);
    const auto dokad = sasiad_.begin() + std::ptrdiff_t(poczatki_[std::size_t(a) + 1]);
    return std::binary_search(od, dokad, b);
}

bool GrafKandydatow::Dodaj(std::span<const std::pair<int, int>> nowe, const Odleglosc& d) {
    // The missing ones, both ways, sorted by row: merged into the rows in
    // one pass, the old distances kept.
    std::vector<std::pair<int, int>> brak;
    for (const auto& [a, b] : nowe)
        if (a != b && !jest(a, b)) {
            brak.push_back({a, b});
            brak.push_back({b, a});
        }
    if (brak.empty())
        return false;
    std::sort(brak.begin(), brak.end());
    brak.erase(std::unique(brak.begin(), brak.end()), brak.end());
    const std::size_t n = poczatki_.size() - 1;
    std::vector<std::size_t> poczatki(n + 1, 0);
    std::vector<int> sasiad;
    std::vector<double> odleglosc;
    sasiad.reserve(sasiad_.size() + brak.size());
    odleglosc.reserve(sasiad.capacity());
    std::size_t k = 0;
    for (std::size_t a = 0; a < n; ++a) {
        std::size_t p = poczatki_[a];
        while (p < poczatki_[a + 1] || (k < brak.size() && std::size_t(brak[k].first) == a)) {
            if (k < brak.size() && std::size_t(brak[k].first) == a
                && (p == poczatki_[a + 1] || brak[k].second < sasiad_[p])) {
                sasiad.push_back(brak[k].second);
                odleglosc.push_back(d(int(a), brak[k].second));
                ++k;
            } else {
                sasiad.push_back(sasiad_[p]);
                odleglosc.push_back(odleglosc_[p]);
                ++p;
            }
        }
        poczatki[a + 1] = sasiad.size();
    }
    poczatki_ = std::move(poczatki);
    sasiad_ = std::move(sasiad);
    odleglosc_ = std::move(odleglosc);
    return true;
}

void GrafKandydatow::zbuduj(std::vector<std::pair<int, int>> krawedzie, const Odleglosc& d) {
    // Both directions, sorted: each city's row comes out in increasing order,
    // which Dodaj's lookup relies on.
    const std::size_t ile = krawedzie.size();
    for (std::size_t k = 0; k < ile; ++k)
        krawedzie.push_back({krawedzie[k].second, krawedzie[k].first});
    std::sort(krawedzie.begin(), krawedzie.end());
    krawedzie.erase(std::unique(krawedzie.begin(), krawedzie.end()), krawedzie.end());
    const std::size_t n = poczatki_.size() - 1;
    std::fill(poczatki_.begin(), poczatki_.end(), 0);
    for (const auto& kr : krawedzie)
        ++poczatki_[std::size_t(kr.first) + 1];
    for (std::size_t k = 1; k <= n; ++k)
        poczatki_[k] += poczatki_[k - 1];
    sasiad_.resize(krawedzie.size());
    odleglosc_.resize(krawedzie.size());
    for (std::size_t k = 0; k < krawedzie.size(); ++k) {
        sasiad_[k] = krawedzie[k].second;
        odleglosc_[k] = d(krawedzie[k].first, krawedzie[k].second);
    }
}

bool GrafKandydatow::MinimalneJednoDrzewo(std::span<const double> kary, JednoDrzewo& drzewo, double& koszt) {
    const int n = Ilosc();
    drzewo.rodzic.assign(std::size_t(n), -1);
    drzewo.kolejnosc.clear();
    drzewo.specjalne = drzewo.drugi = -1;
    koszt = 0.0;
    if (n == 0)
        return true;
    koszt = prim(kary, drzewo);
    if (int(drzewo.kolejnosc.size()) < n)
        return false;
    if (n < 3)
        return true;
    // The leaves' degrees in skad_, free now.
    std::vector<int>& stopien = skad_;
    std::fill(stopien.begin(), stopien.end(), 0);
    for (int a = 0; a < n; ++a)
        if (drzewo.rodzic[std::size_t(a)] >= 0) {
            ++stopien[std::size_t(a)];
            ++stopien[std::size_t(drzewo.rodzic[std::size_t(a)])];
        }
    koszt += *WybierzSpecjalne(drzewo, stopien, [&](int s, int sasiad) -> std::optional<KrawedzLiscia> {
        KrawedzLiscia k;
        for (std::size_t p = poczatki_[std::size_t(s)]; p < poczatki_[std::size_t(s) + 1]; ++p) {
            const int b = sasiad_[p];
            const double w = odleglosc_[p] + kary[std::size_t(s)] + kary[std::size_t(b)];
            if (b != sasiad && w < k.koszt)
                k = {w, b};
        }
        return k;
    });
    return drzewo.specjalne >= 0;
}

double GrafKandydatow::prim(std::span<const double> kary, JednoDrzewo& drzewo) {
    const int n = Ilosc();
    klucz_.assign(std::size_t(n), kNieskonczonosc);
    skad_.assign(std::size_t(n), -1);
    miejsce_.assign(std::size_t(n), -1);
    kopiec_.clear();
    double koszt = 0.0;
    // A city in the tree has key -infinity: no edge improves on it, and
    // the test needs no array of its own.
    int c = 0;
    for (;;) {
        drzewo.kolejnosc.push_back(c);
        drzewo.rodzic[std::size_t(c)] = skad_[std::size_t(c)];
        if (skad_[std::size_t(c)] >= 0)
            koszt += klucz_[std::size_t(c)];
        klucz_[std::size_t(c)] = -kNieskonczonosc;
        const double kc = kary[std::size_t(c)];
        for (std::size_t p = poczatki_[std::size_t(c)]; p < poczatki_[std::size_t(c) + 1]; ++p) {
            const int b = sasiad_[p];
            const double w = odleglosc_[p] + kc + kary[std::size_t(b)];
            if (w < klucz_[std::size_t(b)]) {
                klucz_[std::size_t(b)] = w;
                skad_[std::size_t(b)] = c;
                if (miejsce_[std::size_t(b)] < 0) {
                    kopiec_.push_back({w, b});
                    wGore(kopiec_.size() - 1, {w, b});
                } else {
                    wGore(std::size_t(miejsce_[std::size_t(b)]), {w, b});
                }
            }
        }
        if (kopiec_.empty())
            return koszt;
        c = kopiec_[0].miasto;
        const WpisKopca ostatni = kopiec_.back();
        kopiec_.pop_back();
        if (!kopiec_.empty())
            wDol(0, ostatni);
    }
}

// A binary heap of (key, city) with each city's place in it: the keys
// compared sit in the heap itself, not behind its cities' numbers.
void GrafKandydatow::wGore(std::size_t k, WpisKopca wpis) {
    while (k > 0) {
        const std::size_t r = (k - 1) / 2;
        if (kopiec_[r].klucz <= wpis.klucz)
            break;
        umiesc(k, kopiec_[r]);
        k = r;
    }
    umiesc(k, wpis);
}

void GrafKandydatow::wDol(std::size_t k, WpisKopca wpis) {
    const std::size_t ile = kopiec_.size();
    for (;;) {
        std::size_t m = 2 * k + 1;
        if (m >= ile)
            break;
        if (m + 1 < ile && kopiec_[m + 1].klucz < kopiec_[m].klucz)
            ++m;
        if (kopiec_[m].klucz >= wpis.klucz)
            break;
        umiesc(k, kopiec_[m]);
        k = m;
    }
    umiesc(k, wpis);
}
