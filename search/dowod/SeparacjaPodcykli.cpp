#include "search/dowod/SeparacjaPodcykli.h"

#include "search/dowod/DrzewoGomoryHu.h"
#include "search/dowod/TolerancjeDowodu.h"

#include <algorithm>
#include <numeric>

namespace {

int korzen(std::vector<int>& rodzic, int v) {
    while (rodzic[std::size_t(v)] != v) {
        rodzic[std::size_t(v)] = rodzic[std::size_t(rodzic[std::size_t(v)])];
        v = rodzic[std::size_t(v)];
    }
    return v;
}

void dodaj(std::vector<Ciecie>& wynik, Ciecie c) {
    if (std::find(wynik.begin(), wynik.end(), c) == wynik.end())
        wynik.push_back(std::move(c));
}

} // namespace

std::vector<Ciecie> SeparujPodcykleSkladowymi(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    std::vector<Ciecie> wynik;
    if (n < 3)
        return wynik;
    for (const double prog : {0.0, 0.3, 0.6}) {
        for (const std::vector<int>& s : g.Skladowe(prog)) {
            if (s.size() < 3 || s.size() + 3 > std::size_t(n))
                continue;
            Ciecie podcykl = Ciecie::Podcykl(s, n);
            if (g.Naruszenie(podcykl) >= TolerancjeDowodu::kNaruszenie)
                dodaj(wynik, std::move(podcykl));
        }
        if (!wynik.empty())
            break;
    }
    return wynik;
}

std::vector<Ciecie> SeparujPodcykle(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    std::vector<Ciecie> wynik;
    if (n < 3)
        return wynik;
    const std::vector<std::vector<int>> skladowe = g.Skladowe(0.0);
    if (skladowe.size() > 1) {
        for (const std::vector<int>& s : skladowe)
            dodaj(wynik, Ciecie::Podcykl(s, n));
        return wynik;
    }

    // Shrink the edges at 1: each group of cities joined by them becomes
    // one node of the graph the tree is built on.
    std::vector<int> rodzic(static_cast<std::size_t>(n));
    std::iota(rodzic.begin(), rodzic.end(), 0);
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
        if (k.x >= 1.0 - TolerancjeDowodu::kCalkowite)
            rodzic[std::size_t(korzen(rodzic, k.a))] = korzen(rodzic, k.b);
    std::vector<int> wezel(std::size_t(n), -1);
    int wezly = 0;
    for (int v = 0; v < n; ++v) {
        const int r = korzen(rodzic, v);
        if (wezel[std::size_t(r)] < 0)
            wezel[std::size_t(r)] = wezly++;
        wezel[std::size_t(v)] = wezel[std::size_t(r)];
    }
    if (wezly < 2)
        return wynik;  // one closed path of edges at 1: a route
    std::vector<std::vector<int>> miasta(static_cast<std::size_t>(wezly));
    for (int v = 0; v < n; ++v)
        miasta[std::size_t(wezel[std::size_t(v)])].push_back(v);
    std::vector<KrawedzPrzepustowa> krawedzie;
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie()) {
        const int a = wezel[std::size_t(k.a)], b = wezel[std::size_t(k.b)];
        if (a != b)
            krawedzie.push_back({a, b, k.x});
    }
    for (const CiecieDrzewa& c : CieciaGlobalne(wezly, krawedzie, 2.0 - TolerancjeDowodu::kNaruszenie, kNajwiecejPodcykli)) {
        std::vector<int> s;
        for (int w : c.strona)
            s.insert(s.end(), miasta[std::size_t(w)].begin(), miasta[std::size_t(w)].end());
        Ciecie podcykl = Ciecie::Podcykl(std::move(s), n);
        if (g.Naruszenie(podcykl) >= TolerancjeDowodu::kNaruszenie)
            dodaj(wynik, std::move(podcykl));
    }
    return wynik;
}
