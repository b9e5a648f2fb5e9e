#include "search/dolne/PelneJednoDrzewo.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();

// Queries (or rows of n) between two looks at przerwij.
constexpr int kCoIlePytan = 256;

int korzen(std::vector<int>& rodzic, int a) {
    while (rodzic[std::size_t(a)] != a) {
        rodzic[std::size_t(a)] = rodzic[std::size_t(rodzic[std::size_t(a)])];
        a = rodzic[std::size_t(a)];
    }
    return a;
}

} // namespace

PelneJednoDrzewo::PelneJednoDrzewo(const Metryka& d) : d_(d) {
    if (DolnaOdleglosc::Dotyczy(d.Rodzaj()))
        drzewo_.emplace(d);
}

std::optional<JednoDrzewo> PelneJednoDrzewo::Oblicz(std::span<const double> kary,
                                                    const std::function<bool()>& przerwij) {
    const int n = d_.Ilosc();
    std::vector<std::pair<int, int>> krawedzie;
    krawedzie.reserve(std::size_t(std::max(n - 1, 0)));
    if (!(drzewo_ ? boruvka(kary, przerwij, krawedzie) : prim(kary, przerwij, krawedzie)))
        return std::nullopt;
    JednoDrzewo drzewo = DrzewoZKrawedzi(n, krawedzie);
    if (n >= 3 && !specjalne(drzewo, kary, przerwij))
        return std::nullopt;
    return drzewo;
}

bool PelneJednoDrzewo::boruvka(std::span<const double> kary, const std::function<bool()>& przerwij,
                               std::vector<std::pair<int, int>>& krawedzie) {
    const int n = d_.Ilosc();
    DrzewoKar& drzewo = *drzewo_;
    drzewo.UstawKary(kary);
    std::vector<int> uf(static_cast<std::size_t>(n));
    std::iota(uf.begin(), uf.end(), 0);
    std::vector<int> skladowa = uf;
    drzewo.UstawSkladowe(skladowa);
    // Each city's nearest outside its component, d + kara of that city: a
    // hit while wazny, and a lower bound on that figure always.
    std::vector<int> najblizszy(std::size_t(n), -1);
    std::vector<double> klucz(std::size_t(n), -kNieskonczonosc);
    std::vector<char> wazny(std::size_t(n), 0);
    struct Najtanszy {
        double waga = kNieskonczonosc;
        int a = -1, b = -1;
    };
    std::vector<Najtanszy> najtanszy(static_cast<std::size_t>(n));
    std::vector<int> korzenie;
    int pytania = 0;
    int skladowych = n;
    while (skladowych > 1) {
        korzenie.clear();
        for (int c = 0; c < n; ++c)
            if (skladowa[std::size_t(c)] == c) {
                korzenie.push_back(c);
                najtanszy[std::size_t(c)] = {};
            }
        const auto zglos = [&](int a, int b, double waga) {
            Najtanszy& t = najtanszy[std::size_t(skladowa[std::size_t(a)])];
            if (waga < t.waga)
                t = {waga, a, b};
        };
        for (int c = 0; c < n; ++c) {
            const std::size_t i = std::size_t(c);
            if (wazny[i] && skladowa[std::size_t(najblizszy[i])] != skladowa[i])
                zglos(c, najblizszy[i], klucz[i] + kary[i]);
            else
                wazny[i] = 0;
        }
        for (int c = 0; c < n; ++c) {
            const std::size_t i = std::size_t(c);
            if (wazny[i])
                continue;
            const double prog = najtanszy[std::size_t(skladowa[i])].waga - kary[i];
            if (!(klucz[i] < prog))
                continue;
            if (++pytania % kCoIlePytan == 0 && przerwij())
                return false;
            DrzewoKar::Trafienie t;
            if (drzewo.Najblizsze(c, 1, true, prog, &t) == 1) {
                najblizszy[i] = t.miasto;
                klucz[i] = t.klucz;
                wazny[i] = 1;
                zglos(c, t.miasto, t.klucz + kary[i]);
            } else {
                klucz[i] = prog;
            }
        }
        // Cheapest first: with ties between components' choices this keeps
        // every edge added inside one minimum spanning tree.
        std::sort(korzenie.begin(), korzenie.end(), [&](int a, int b) {
            return najtanszy[std::size_t(a)].waga < najtanszy[std::size_t(b)].waga;
        });
        for (int r : korzenie) {
            const Najtanszy& t = najtanszy[std::size_t(r)];
            if (t.a < 0)
                continue;
            const int ka = korzen(uf, t.a), kb = korzen(uf, t.b);
            if (ka == kb)
                continue;
            uf[std::size_t(ka)] = kb;
            krawedzie.push_back({t.a, t.b});
            --skladowych;
        }
        for (int c = 0; c < n; ++c)
            skladowa[std::size_t(c)] = korzen(uf, c);
        drzewo.UstawSkladowe(skladowa);
    }
    return true;
}

bool PelneJednoDrzewo::prim(std::span<const double> kary, const std::function<bool()>& przerwij,
                            std::vector<std::pair<int, int>>& krawedzie) {
    const int n = d_.Ilosc();
    if (n == 0)
        return true;
    // Not yet in the tree: cities wolne[0..ile), with their cheapest edge
    // into the tree.
    std::vector<int> wolne(std::size_t(n - 1));
    std::iota(wolne.begin(), wolne.end(), 1);
    std::vector<double> waga(std::size_t(n), kNieskonczonosc);
    std::vector<int> skad(std::size_t(n), 0);
    int ostatni = 0;
    std::size_t ile = wolne.size();
    int wiersze = 0;
    while (ile > 0) {
        wiersze += int(ile);
        if (wiersze >= kCoIlePytan * 64) {
            wiersze = 0;
            if (przerwij())
                return false;
        }
        std::size_t najlepszy = 0;
        for (std::size_t k = 0; k < ile; ++k) {
            const int c = wolne[k];
            const double w = d_(ostatni, c) + kary[std::size_t(ostatni)] + kary[std::size_t(c)];
            if (w < waga[std::size_t(c)]) {
                waga[std::size_t(c)] = w;
                skad[std::size_t(c)] = ostatni;
            }
            if (waga[std::size_t(c)] < waga[std::size_t(wolne[najlepszy])])
                najlepszy = k;
        }
        ostatni = wolne[najlepszy];
        krawedzie.push_back({skad[std::size_t(ostatni)], ostatni});
        wolne[najlepszy] = wolne[--ile];
    }
    return true;
}

bool PelneJednoDrzewo::specjalne(JednoDrzewo& drzewo, std::span<const double> kary,
                                 const std::function<bool()>& przerwij) {
    const int n = drzewo.Ilosc();
    const std::vector<int> stopien = drzewo.Stopnie();
    double najlepsza = -kNieskonczonosc;
    int pytania = 0;
    for (int s = 0; s < n; ++s) {
        if (stopien[std::size_t(s)] != 1)
            continue;
        // The leaf's one neighbour; its second edge goes elsewhere.
        int sasiad = drzewo.rodzic[std::size_t(s)];
        if (sasiad < 0)
            for (int c = 0; c < n; ++c)
                if (drzewo.rodzic[std::size_t(c)] == s)
                    sasiad = c;
        double druga = kNieskonczonosc;
        int dokad = -1;
        if (drzewo_) {
            if (++pytania % kCoIlePytan == 0 && przerwij())
                return false;
            DrzewoKar::Trafienie t[2];
            const int ile = drzewo_->Najblizsze(s, 2, false, kNieskonczonosc, t);
            for (int k = 0; k < ile && dokad < 0; ++k)
                if (t[k].miasto != sasiad) {
                    dokad = t[k].miasto;
                    druga = t[k].klucz + kary[std::size_t(s)];
                }
        } else {
            if (++pytania % 64 == 0 && przerwij())
                return false;
            for (int c = 0; c < n; ++c) {
                if (c == s || c == sasiad)
                    continue;
                const double w = d_(s, c) + kary[std::size_t(s)] + kary[std::size_t(c)];
                if (w < druga) {
                    druga = w;
                    dokad = c;
                }
            }
        }
        if (dokad >= 0 && druga > najlepsza) {
            najlepsza = druga;
            drzewo.specjalne = s;
            drzewo.drugi = dokad;
        }
    }
    return true;
}
