#include "search/dowod/SeparacjaBlokow.h"

#include "search/dowod/TolerancjeDowodu.h"

#include <algorithm>

using TolerancjeDowodu::kCalkowite;
using TolerancjeDowodu::kNaruszenie;

namespace {

bool ulamkowa(double x) {
    return x > kCalkowite && x < 1.0 - kCalkowite;
}

int drugi(const GrafWsparcia::Krawedz& k, int v) {
    return k.a == v ? k.b : k.a;
}

// The blocks of the fractional edges, each its cities, by Tarjan's
// depth-first search kept on an explicit stack: a path of the search may
// run through every city.
class Bloki {
public:
    explicit Bloki(const GrafWsparcia& g)
        : g_(g), odkrycie_(std::size_t(g.Ilosc()), -1), niski_(std::size_t(g.Ilosc()), 0),
          znak_(std::size_t(g.Ilosc()), 0) {
        for (int s = 0; s < g.Ilosc(); ++s)
            if (odkrycie_[std::size_t(s)] < 0)
                przeszukaj(s);
    }

    const std::vector<std::vector<int>>& Wszystkie() const { return bloki_; }

private:
    struct Ramka {
        int v, krawedzRodzica;
        std::size_t i;
    };

    void przeszukaj(int s) {
        std::vector<Ramka> ramki{{s, -1, 0}};
        odkrycie_[std::size_t(s)] = niski_[std::size_t(s)] = czas_++;
        while (!ramki.empty()) {
            const Ramka r = ramki.back();
            const std::span<const int> przy = g_.Przy(r.v);
            if (r.i < przy.size()) {
                ++ramki.back().i;
                const int e = przy[r.i];
                const GrafWsparcia::Krawedz& k = g_.Krawedzie()[std::size_t(e)];
                const int u = drugi(k, r.v);
                if (e == r.krawedzRodzica || !ulamkowa(k.x))
                    continue;
                if (odkrycie_[std::size_t(u)] < 0) {
                    stos_.push_back(e);
                    odkrycie_[std::size_t(u)] = niski_[std::size_t(u)] = czas_++;
                    ramki.push_back({u, e, 0});
                } else if (odkrycie_[std::size_t(u)] < odkrycie_[std::size_t(r.v)]) {
                    stos_.push_back(e);
                    niski_[std::size_t(r.v)] = std::min(niski_[std::size_t(r.v)], odkrycie_[std::size_t(u)]);
                }
                continue;
            }
            ramki.pop_back();
            if (ramki.empty())
                break;
            const int p = ramki.back().v;
            niski_[std::size_t(p)] = std::min(niski_[std::size_t(p)], niski_[std::size_t(r.v)]);
            if (niski_[std::size_t(r.v)] >= odkrycie_[std::size_t(p)])
                zdejmij(r.krawedzRodzica);
        }
    }

    // The edges down to the tree edge e make one block.
    void zdejmij(int e) {
        std::vector<int> blok;
        for (bool dalej = true; dalej;) {
            const int f = stos_.back();
            stos_.pop_back();
            dalej = f != e;
            const GrafWsparcia::Krawedz& k = g_.Krawedzie()[std::size_t(f)];
            for (int v : {k.a, k.b})
                if (!znak_[std::size_t(v)]) {
                    znak_[std::size_t(v)] = 1;
                    blok.push_back(v);
                }
        }
        for (int v : blok)
            znak_[std::size_t(v)] = 0;
        bloki_.push_back(std::move(blok));
    }

    const GrafWsparcia& g_;
    std::vector<int> odkrycie_, niski_;
    std::vector<char> znak_;
    std::vector<int> stos_;
    std::vector<std::vector<int>> bloki_;
    int czas_ = 0;
};

// The teeth of one block, with marks over all cities that each call leaves
// cleared.
class ZebyBloku {
public:
    ZebyBloku(const GrafWsparcia& g, const std::vector<int>& ileBlokow)
        : g_(g), ileBlokow_(ileBlokow), znak_(std::size_t(g.Ilosc()), 0) {}

    std::vector<std::vector<int>> Zeby(const std::vector<int>& blok) {
        oznacz(blok, kRaczka);
        std::vector<std::vector<int>> zeby;
        std::vector<int> zajete;
        for (int v : blok)
            if (ileBlokow_[std::size_t(v)] > 1)
                zeby.push_back(zwisajace(v, zajete));
        for (int v : blok)
            if (ileBlokow_[std::size_t(v)] <= 1)
                for (int e : g_.Przy(v)) {
                    const GrafWsparcia::Krawedz& k = g_.Krawedzie()[std::size_t(e)];
                    const int u = drugi(k, v);
                    if (k.x >= 1.0 - kCalkowite && znak_[std::size_t(u)] == 0) {
                        znak_[std::size_t(u)] = kZab;
                        zajete.push_back(u);
                        zeby.push_back({v, u});
                        break;
                    }
                }
        for (int v : zajete)
            znak_[std::size_t(v)] = 0;
        oznacz(blok, 0);
        return zeby;
    }

private:
    static constexpr char kRaczka = 1, kZab = 2;

    // v and the fractional graph reached from v without entering the handle.
    std::vector<int> zwisajace(int v, std::vector<int>& zajete) {
        std::vector<int> zab{v};
        std::vector<int> stos{v};
        while (!stos.empty()) {
            const int a = stos.back();
            stos.pop_back();
            for (int e : g_.Przy(a)) {
                const GrafWsparcia::Krawedz& k = g_.Krawedzie()[std::size_t(e)];
                const int u = drugi(k, a);
                if (!ulamkowa(k.x) || znak_[std::size_t(u)] != 0)
                    continue;
                znak_[std::size_t(u)] = kZab;
                zajete.push_back(u);
                zab.push_back(u);
                stos.push_back(u);
            }
        }
        return zab;
    }

    void oznacz(const std::vector<int>& zbior, char znak) {
        for (int v : zbior)
            znak_[std::size_t(v)] = znak;
    }

    const GrafWsparcia& g_;
    const std::vector<int>& ileBlokow_;
    std::vector<char> znak_;
};

double przekroj(const GrafWsparcia& g, const std::vector<int>& zbior) {
    return g.Lewa(Ciecie::Podcykl(zbior, g.Ilosc()));
}

} // namespace

std::vector<Ciecie> SeparujGrzebienieBlokowe(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    const Bloki bloki(g);
    std::vector<int> ileBlokow(std::size_t(n), 0);
    for (const std::vector<int>& b : bloki.Wszystkie())
        for (int v : b)
            ++ileBlokow[std::size_t(v)];
    ZebyBloku zebyBloku(g, ileBlokow);
    std::vector<Ciecie> wynik;
    for (const std::vector<int>& blok : bloki.Wszystkie()) {
        // A block with no cut city is a whole component: the fractional
        // components' blossom.
        if (std::none_of(blok.begin(), blok.end(), [&](int v) { return ileBlokow[std::size_t(v)] > 1; }))
            continue;
        std::vector<std::vector<int>> zeby = zebyBloku.Zeby(blok);
        if (zeby.size() % 2 == 0 && !zeby.empty()) {
            const auto najciezszy = std::max_element(zeby.begin(), zeby.end(), [&](const auto& p, const auto& q) {
                return przekroj(g, p) < przekroj(g, q);
            });
            zeby.erase(najciezszy);
        }
        if (zeby.size() < 3 || int(blok.size()) >= n)
            continue;
        Ciecie c = Ciecie::GrzebienLubKwiat(blok, std::move(zeby), n);
        if (c.Poprawne(n) && g.Naruszenie(c) >= kNaruszenie && std::find(wynik.begin(), wynik.end(), c) == wynik.end())
            wynik.push_back(std::move(c));
    }
    return wynik;
}
