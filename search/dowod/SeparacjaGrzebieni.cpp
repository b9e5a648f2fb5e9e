#include "search/dowod/SeparacjaGrzebieni.h"

#include "search/dowod/SeparacjaBlokow.h"
#include "search/dowod/SeparacjaKwiatow.h"
#include "search/dowod/TolerancjeDowodu.h"

#include <algorithm>
#include <map>
#include <numeric>

using TolerancjeDowodu::kCalkowite;
using TolerancjeDowodu::kNaruszenie;

namespace {

// The paths of edges at 1, each a city of the shrunk graph.
class Sciezki {
public:
    explicit Sciezki(const GrafWsparcia& g) : rodzic_(std::size_t(g.Ilosc())) {
        std::iota(rodzic_.begin(), rodzic_.end(), 0);
        for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
            if (k.x >= 1.0 - kCalkowite)
                rodzic_[std::size_t(korzen(k.a))] = korzen(k.b);
        numer_.assign(rodzic_.size(), -1);
        for (int v = 0; v < g.Ilosc(); ++v) {
            int& nr = numer_[std::size_t(korzen(v))];
            if (nr < 0) {
                nr = int(miasta_.size());
                miasta_.emplace_back();
            }
            miasta_[std::size_t(nr)].push_back(v);
        }
    }

    int Ilosc() const { return int(miasta_.size()); }
    int Numer(int v) { return numer_[std::size_t(korzen(v))]; }
    const std::vector<int>& Miasta(int s) const { return miasta_[std::size_t(s)]; }

private:
    int korzen(int v) {
        while (rodzic_[std::size_t(v)] != v) {
            rodzic_[std::size_t(v)] = rodzic_[std::size_t(rodzic_[std::size_t(v)])];
            v = rodzic_[std::size_t(v)];
        }
        return v;
    }

    std::vector<int> rodzic_;
    std::vector<int> numer_;
    std::vector<std::vector<int>> miasta_;
};

// The shrunk graph's blossom in the whole graph's cities.
Ciecie rozwin(const Ciecie& kwiat, Sciezki& sciezki, int n) {
    std::vector<int> raczka;
    for (int s : kwiat.zbiory.front())
        raczka.insert(raczka.end(), sciezki.Miasta(s).begin(), sciezki.Miasta(s).end());
    std::vector<std::vector<int>> zeby;
    for (const Krawedz& f : kwiat.zeby) {
        std::vector<int> zab = sciezki.Miasta(f.a);
        zab.insert(zab.end(), sciezki.Miasta(f.b).begin(), sciezki.Miasta(f.b).end());
        zeby.push_back(std::move(zab));
    }
    return Ciecie::GrzebienLubKwiat(std::move(raczka), std::move(zeby), n);
}

// The shrunk graph's comb in the whole graph's cities: each set the paths
// of its cities.
Ciecie rozwinGrzebien(const Ciecie& grzebien, Sciezki& sciezki, int n) {
    std::vector<std::vector<int>> zbiory;
    for (const std::vector<int>& s : grzebien.zbiory) {
        std::vector<int> miasta;
        for (int v : s)
            miasta.insert(miasta.end(), sciezki.Miasta(v).begin(), sciezki.Miasta(v).end());
        zbiory.push_back(std::move(miasta));
    }
    std::vector<int> raczka = std::move(zbiory.front());
    zbiory.erase(zbiory.begin());
    return Ciecie::Grzebien(std::move(raczka), std::move(zbiory), n);
}

} // namespace

std::vector<Ciecie> SeparujGrzebienie(const GrafWsparcia& g, bool drzewem) {
    const int n = g.Ilosc();
    Sciezki sciezki(g);
    // Without a path of two cities or more the shrunk graph is g, whose
    // blossoms are looked for by themselves; below 6 there is no comb.
    if (sciezki.Ilosc() == n)
        return SeparujGrzebienieBlokowe(g);
    if (sciezki.Ilosc() < 6)
        return {};
    std::map<std::pair<int, int>, double> sumy;
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie()) {
        const int a = sciezki.Numer(k.a), b = sciezki.Numer(k.b);
        if (a != b)
            sumy[{std::max(a, b), std::min(a, b)}] += k.x;
    }
    std::vector<GrafWsparcia::Krawedz> krawedzie;
    for (const auto& [ab, x] : sumy)
        krawedzie.push_back({ab.first, ab.second, std::min(1.0, x)});
    const GrafWsparcia skurczony(sciezki.Ilosc(), std::move(krawedzie));
    std::vector<Ciecie> kwiaty = SeparujKwiatyUlamkowe(skurczony);
    for (Ciecie& c : SeparujGrzebienieBlokowe(skurczony))
        kwiaty.push_back(std::move(c));
    if (drzewem)
        for (Ciecie& c : SeparujKwiatyDrzewem(skurczony))
            kwiaty.push_back(std::move(c));
    std::vector<Ciecie> wynik = SeparujGrzebienieBlokowe(g);
    for (const Ciecie& kwiat : kwiaty) {
        Ciecie c = kwiat.rodzaj == Ciecie::Rodzaj::Grzebien ? rozwinGrzebien(kwiat, sciezki, n)
                                                            : rozwin(kwiat, sciezki, n);
        if (!c.Poprawne(n) || g.Naruszenie(c) < kNaruszenie)
            continue;
        if (std::find(wynik.begin(), wynik.end(), c) == wynik.end())
            wynik.push_back(std::move(c));
    }
    return wynik;
}
