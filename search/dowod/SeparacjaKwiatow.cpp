#include "search/dowod/SeparacjaKwiatow.h"

#include "search/dowod/DrzewoGomoryHu.h"
#include "search/dowod/TolerancjeDowodu.h"

#include <algorithm>
#include <cmath>

using TolerancjeDowodu::kCalkowite;
using TolerancjeDowodu::kNaruszenie;

namespace {

bool ulamkowa(double x) {
    return x > kCalkowite && x < 1.0 - kCalkowite;
}

void dodaj(std::vector<Ciecie>& wynik, const GrafWsparcia& g, Ciecie c) {
    if (!c.Poprawne(g.Ilosc()) || g.Naruszenie(c) < kNaruszenie)
        return;
    if (std::find(wynik.begin(), wynik.end(), c) == wynik.end())
        wynik.push_back(std::move(c));
}

// The handles of SeparujKwiatyUlamkowe, one component at a time, with marks
// over all cities that each step leaves cleared.
class RaczkiUlamkowe {
public:
    explicit RaczkiUlamkowe(const GrafWsparcia& g)
        : g_(g), wRaczce_(std::size_t(g.Ilosc()), 0), ileZebow_(std::size_t(g.Ilosc()), 0),
          odwiedzona_(std::size_t(g.Ilosc()), 0) {}

    // The component of the fractional edges at s not yet seen; empty when
    // s was seen or has no fractional edge.
    std::vector<int> Skladowa(int s) {
        std::vector<int> raczka;
        if (odwiedzona_[std::size_t(s)])
            return raczka;
        bool maUlamkowa = false;
        for (int e : g_.Przy(s))
            maUlamkowa = maUlamkowa || ulamkowa(g_.Krawedzie()[std::size_t(e)].x);
        if (!maUlamkowa)
            return raczka;
        odwiedzona_[std::size_t(s)] = 1;
        std::vector<int> stos{s};
        while (!stos.empty()) {
            const int v = stos.back();
            stos.pop_back();
            raczka.push_back(v);
            for (int e : g_.Przy(v)) {
                const GrafWsparcia::Krawedz& k = g_.Krawedzie()[std::size_t(e)];
                const int u = k.a == v ? k.b : k.a;
                if (ulamkowa(k.x) && !odwiedzona_[std::size_t(u)]) {
                    odwiedzona_[std::size_t(u)] = 1;
                    stos.push_back(u);
                }
            }
        }
        return raczka;
    }

    // Teeth are edges at 1 out of the handle. A city outside held by two
    // of them joins the handle, taking both teeth in.
    void Dolacz(std::vector<int>& raczka) {
        for (bool zmiana = true; zmiana;) {
            oznacz(raczka, 1);
            std::vector<int> dotkniete, nowe;
            for (int v : raczka)
                for (int e : g_.Przy(v)) {
                    const GrafWsparcia::Krawedz& k = g_.Krawedzie()[std::size_t(e)];
                    const int u = k.a == v ? k.b : k.a;
                    if (wRaczce_[std::size_t(u)] || k.x < 1.0 - kCalkowite)
                        continue;
                    dotkniete.push_back(u);
                    if (++ileZebow_[std::size_t(u)] == 2)
                        nowe.push_back(u);
                }
            for (int u : dotkniete)
                ileZebow_[std::size_t(u)] = 0;
            oznacz(raczka, 0);
            zmiana = !nowe.empty();
            raczka.insert(raczka.end(), nowe.begin(), nowe.end());
        }
    }

    std::vector<Krawedz> Zeby(const std::vector<int>& raczka) {
        oznacz(raczka, 1);
        std::vector<Krawedz> zeby;
        for (int v : raczka)
            for (int e : g_.Przy(v)) {
                const GrafWsparcia::Krawedz& k = g_.Krawedzie()[std::size_t(e)];
                if (wRaczce_[std::size_t(k.a)] != wRaczce_[std::size_t(k.b)] && k.x >= 1.0 - kCalkowite)
                    zeby.emplace_back(k.a, k.b);
            }
        oznacz(raczka, 0);
        return zeby;
    }

private:
    void oznacz(const std::vector<int>& raczka, char znak) {
        for (int v : raczka)
            wRaczce_[std::size_t(v)] = znak;
    }

    const GrafWsparcia& g_;
    std::vector<char> wRaczce_;
    std::vector<int> ileZebow_;
    std::vector<char> odwiedzona_;
};

} // namespace

std::vector<Ciecie> SeparujKwiatyUlamkowe(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    std::vector<Ciecie> wynik;
    RaczkiUlamkowe raczki(g);
    for (int s = 0; s < n; ++s) {
        std::vector<int> raczka = raczki.Skladowa(s);
        if (raczka.empty())
            continue;
        raczki.Dolacz(raczka);
        std::vector<Krawedz> zeby = raczki.Zeby(raczka);
        if (zeby.size() % 2 == 1 && raczka.size() >= 2 && int(raczka.size()) < n)
            dodaj(wynik, g, Ciecie::Kwiat(std::move(raczka), std::move(zeby), n));
    }
    return wynik;
}

std::vector<Ciecie> SeparujKwiatyDrzewem(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    std::vector<Ciecie> wynik;
    std::vector<KrawedzPrzepustowa> krawedzie;
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
        krawedzie.push_back({k.a, k.b, std::min(k.x, 1.0 - k.x)});
    std::vector<char> wH(std::size_t(n), 0);
    // A cut of weight 1 or more is no blossom whatever its teeth.
    for (const CiecieDrzewa& c : CieciaGomoryHu(n, krawedzie, 1.0 - kNaruszenie)) {
        for (int v : c.strona)
            wH[std::size_t(v)] = 1;
        std::vector<Krawedz> zeby;
        double wartosc = c.wartosc;
        int naprawa = -1;
        double kosztNaprawy = 2.0;
        for (int v : c.strona)
            for (int e : g.Przy(v)) {
                const GrafWsparcia::Krawedz& k = g.Krawedzie()[std::size_t(e)];
                if (wH[std::size_t(k.a)] == wH[std::size_t(k.b)])
                    continue;
                if (k.x > 0.5)
                    zeby.emplace_back(k.a, k.b);
                if (std::fabs(1.0 - 2.0 * k.x) < kosztNaprawy) {
                    kosztNaprawy = std::fabs(1.0 - 2.0 * k.x);
                    naprawa = e;
                }
            }
        if (zeby.size() % 2 == 0 && naprawa >= 0) {
            const GrafWsparcia::Krawedz& k = g.Krawedzie()[std::size_t(naprawa)];
            const Krawedz f(k.a, k.b);
            const auto jest = std::find(zeby.begin(), zeby.end(), f);
            if (jest != zeby.end())
                zeby.erase(jest);
            else
                zeby.push_back(f);
            wartosc += kosztNaprawy;
        }
        for (int v : c.strona)
            wH[std::size_t(v)] = 0;
        if (zeby.size() % 2 == 1 && wartosc < 1.0 - kNaruszenie)
            dodaj(wynik, g, Ciecie::Kwiat(c.strona, std::move(zeby), n));
    }
    return wynik;
}
