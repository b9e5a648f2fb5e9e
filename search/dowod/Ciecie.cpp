#include "search/dowod/Ciecie.h"

#include <algorithm>

namespace {

bool w(const std::vector<int>& zbior, int miasto) {
    return std::binary_search(zbior.begin(), zbior.end(), miasto);
}

// The smaller side of a cut: both give the same x(delta(S)).
std::vector<int> mniejszaStrona(std::vector<int> zbior, int n) {
    std::sort(zbior.begin(), zbior.end());
    zbior.erase(std::unique(zbior.begin(), zbior.end()), zbior.end());
    if (2 * zbior.size() <= std::size_t(n))
        return zbior;
    std::vector<int> reszta;
    reszta.reserve(std::size_t(n) - zbior.size());
    std::size_t j = 0;
    for (int v = 0; v < n; ++v) {
        if (j < zbior.size() && zbior[j] == v)
            ++j;
        else
            reszta.push_back(v);
    }
    return reszta;
}

bool zbiorMiast(const std::vector<int>& zbior, int n) {
    return !zbior.empty() && zbior.size() < std::size_t(n) && std::is_sorted(zbior.begin(), zbior.end())
           && std::adjacent_find(zbior.begin(), zbior.end()) == zbior.end() && zbior.front() >= 0
           && zbior.back() < n;
}

} // namespace

Ciecie Ciecie::Podcykl(std::vector<int> zbior, int n) {
    Ciecie c;
    c.rodzaj = Rodzaj::Podcykl;
    c.zbiory.push_back(mniejszaStrona(std::move(zbior), n));
    c.prawa = 2;
    return c;
}

Ciecie Ciecie::Kwiat(std::vector<int> raczka, std::vector<Krawedz> zeby, int n) {
    Ciecie c;
    c.rodzaj = Rodzaj::Kwiat;
    c.zbiory.push_back(mniejszaStrona(std::move(raczka), n));
    std::sort(zeby.begin(), zeby.end());
    c.prawa = 1 - int(zeby.size());
    c.zeby = std::move(zeby);
    return c;
}

Ciecie Ciecie::Grzebien(std::vector<int> raczka, std::vector<std::vector<int>> zeby, int n) {
    Ciecie c;
    c.rodzaj = Rodzaj::Grzebien;
    c.zbiory.push_back(mniejszaStrona(std::move(raczka), n));
    for (std::vector<int>& z : zeby) {
        std::sort(z.begin(), z.end());
        z.erase(std::unique(z.begin(), z.end()), z.end());
    }
    std::sort(zeby.begin(), zeby.end());
    c.prawa = 3 * int(zeby.size()) + 1;
    for (std::vector<int>& z : zeby)
        c.zbiory.push_back(std::move(z));
    return c;
}

Ciecie Ciecie::GrzebienLubKwiat(std::vector<int> raczka, std::vector<std::vector<int>> zeby, int n) {
    const bool dwumiastowe =
        std::all_of(zeby.begin(), zeby.end(), [](const std::vector<int>& z) { return z.size() == 2; });
    if (!dwumiastowe)
        return Grzebien(std::move(raczka), std::move(zeby), n);
    std::vector<Krawedz> krawedzie;
    for (const std::vector<int>& z : zeby)
        krawedzie.emplace_back(z[0], z[1]);
    return Kwiat(std::move(raczka), std::move(krawedzie), n);
}

bool Ciecie::Poprawne(int n) const {
    if (n < 3 || zbiory.empty())
        return false;
    for (const std::vector<int>& s : zbiory)
        if (!zbiorMiast(s, n))
            return false;
    const std::vector<int>& h = zbiory.front();
    switch (rodzaj) {
    case Rodzaj::Podcykl:
        return zbiory.size() == 1 && zeby.empty() && prawa == 2;
    case Rodzaj::Kwiat: {
        if (zbiory.size() != 1 || zeby.size() % 2 != 1 || prawa != 1 - int(zeby.size()))
            return false;
        if (!std::is_sorted(zeby.begin(), zeby.end()) || std::adjacent_find(zeby.begin(), zeby.end()) != zeby.end())
            return false;
        return std::all_of(zeby.begin(), zeby.end(), [&](const Krawedz& k) {
            return k.a > k.b && k.b >= 0 && k.a < n && w(h, k.a) != w(h, k.b);
        });
    }
    case Rodzaj::Grzebien: {
        const int k = int(zbiory.size()) - 1;
        if (k < 3 || k % 2 != 1 || prawa != 3 * k + 1 || !zeby.empty())
            return false;
        std::vector<char> wZebie(std::size_t(n), 0);
        for (std::size_t t = 1; t < zbiory.size(); ++t) {
            bool wH = false, pozaH = false;
            for (int v : zbiory[t]) {
                if (wZebie[std::size_t(v)])
                    return false;
                wZebie[std::size_t(v)] = 1;
                (w(h, v) ? wH : pozaH) = true;
            }
            if (!wH || !pozaH)
                return false;
        }
        return true;
    }
    }
    return false;
}

int Ciecie::Wspolczynnik(Krawedz k) const {
    int wspolczynnik = 0;
    for (const std::vector<int>& s : zbiory)
        wspolczynnik += w(s, k.a) != w(s, k.b) ? 1 : 0;
    if (std::binary_search(zeby.begin(), zeby.end(), k))
        wspolczynnik -= 2;
    return wspolczynnik;
}

std::size_t Ciecie::Skrot() const {
    std::size_t h = std::size_t(rodzaj) * 0x9E3779B97F4A7C15ull + std::size_t(prawa + 1000);
    const auto dodaj = [&h](std::size_t v) { h = (h ^ v) * 0x100000001B3ull + (h >> 29); };
    for (const std::vector<int>& s : zbiory) {
        dodaj(s.size());
        for (int v : s)
            dodaj(std::size_t(v));
    }
    for (const Krawedz& k : zeby)
        dodaj(k.Indeks() + 7);
    return h;
}
