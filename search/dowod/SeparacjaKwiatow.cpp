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

} // namespace

std::vector<Ciecie> SeparujKwiatyUlamkowe(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    std::vector<Ciecie> wynik;
    std::vector<char> wRaczce(std::size_t(n), 0);
    std::vector<int> stos, ileZebow(std::size_t(n), 0);
    std::vector<char> odwiedzona(std::size_t(n), 0);
    for (int s = 0; s < n; ++s) {
        if (odwiedzona[std::size_t(s)])
            continue;
        bool maUlamkowa = false;
        for (int e : g.Przy(s))
            maUlamkowa = maUlamkowa || ulamkowa(g.Krawedzie()[std::size_t(e)].x);
        if (!maUlamkowa)
            continue;
        std::vector<int> raczka;
        odwiedzona[std::size_t(s)] = 1;
        stos.push_back(s);
        while (!stos.empty()) {
            const int v = stos.back();
            stos.pop_back();
            raczka.push_back(v);
            for (int e : g.Przy(v)) {
                const GrafWsparcia::Krawedz& k = g.Krawedzie()[std::size_t(e)];
                const int u = k.a == v ? k.b : k.a;
                if (ulamkowa(k.x) && !odwiedzona[std::size_t(u)]) {
                    odwiedzona[std::size_t(u)] = 1;
                    stos.push_back(u);
                }
            }
        }
        // Teeth: edges at 1 out of the handle. A city outside held by two
        // of them joins the handle, taking both teeth in.
        for (bool zmiana = true; zmiana;) {
            for (int v : raczka)
                wRaczce[std::size_t(v)] = 1;
            std::vector<int> dotkniete, nowe;
            for (int v : raczka)
                for (int e : g.Przy(v)) {
                    const GrafWsparcia::Krawedz& k = g.Krawedzie()[std::size_t(e)];
                    const int u = k.a == v ? k.b : k.a;
                    if (wRaczce[std::size_t(u)] || k.x < 1.0 - kCalkowite)
                        continue;
                    dotkniete.push_back(u);
                    if (++ileZebow[std::size_t(u)] == 2)
                        nowe.push_back(u);
                }
            for (int u : dotkniete)
                ileZebow[std::size_t(u)] = 0;
            for (int v : raczka)
                wRaczce[std::size_t(v)] = 0;
            zmiana = !nowe.empty();
            raczka.insert(raczka.end(), nowe.begin(), nowe.end());
        }
        for (int v : raczka)
            wRaczce[std::size_t(v)] = 1;
        std::vector<Krawedz> zeby;
        for (int v : raczka)
            for (int e : g.Przy(v)) {
                const GrafWsparcia::Krawedz& k = g.Krawedzie()[std::size_t(e)];
                if (wRaczce[std::size_t(k.a)] != wRaczce[std::size_t(k.b)] && k.x >= 1.0 - kCalkowite)
                    zeby.emplace_back(k.a, k.b);
            }
        for (int v : raczka)
            wRaczce[std::size_t(v)] = 0;
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
