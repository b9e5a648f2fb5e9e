#include "search/lokalne/TrasaZachlanna.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

struct Krawedz {
    double dlugosc;
    int a;
    int b;
    bool operator<(const Krawedz& k) const {
        if (dlugosc != k.dlugosc)
            return dlugosc < k.dlugosc;
        if (a != k.a)
            return a < k.a;
        return b < k.b;
    }
    bool operator==(const Krawedz& k) const { return a == k.a && b == k.b; }
};

class Zbiory {
public:
    explicit Zbiory(int n) : rodzic_(std::size_t(n)) { std::iota(rodzic_.begin(), rodzic_.end(), 0); }
    int Korzen(int x) {
        while (rodzic_[std::size_t(x)] != x) {
            rodzic_[std::size_t(x)] = rodzic_[std::size_t(rodzic_[std::size_t(x)])];
            x = rodzic_[std::size_t(x)];
        }
        return x;
    }
    bool Polacz(int a, int b) {
        a = Korzen(a), b = Korzen(b);
        if (a == b)
            return false;
        rodzic_[std::size_t(a)] = b;
        return true;
    }

private:
    std::vector<int> rodzic_;
};

// Sorted in runs with a poll between them, then merged run by run: no step
// takes more than a few milliseconds even for a million edges.
bool posortuj(std::vector<Krawedz>& krawedzie, const std::function<bool()>& przerwij) {
    constexpr std::size_t kSeria = 1 << 15;
    const std::size_t m = krawedzie.size();
    for (std::size_t i = 0; i < m; i += kSeria) {
        if (przerwij())
            return false;
        std::sort(krawedzie.begin() + std::ptrdiff_t(i), krawedzie.begin() + std::ptrdiff_t(std::min(m, i + kSeria)));
    }
    for (std::size_t seria = kSeria; seria < m; seria *= 2)
        for (std::size_t i = 0; i + seria < m; i += 2 * seria) {
            if (przerwij())
                return false;
            std::inplace_merge(krawedzie.begin() + std::ptrdiff_t(i), krawedzie.begin() + std::ptrdiff_t(i + seria),
                               krawedzie.begin() + std::ptrdiff_t(std::min(m, i + 2 * seria)));
        }
    return true;
}

}  // namespace

std::vector<int> TrasaZachlanna(const SasiedziKandydaci& sasiedzi, int n,
                                const std::function<double(int, int)>& odleglosc,
                                const std::function<bool()>& przerwij) {
    if (n <= 3) {
        std::vector<int> t(std::size_t(std::max(n, 0)));
        std::iota(t.begin(), t.end(), 0);
        return t;
    }
    std::vector<Krawedz> krawedzie;
    krawedzie.reserve(sasiedzi.Razem());
    for (int a = 0; a < n; ++a)
        for (const auto& s : sasiedzi.Dla(a))
            krawedzie.push_back({s.odleglosc, std::min(a, s.miasto), std::max(a, s.miasto)});
    if (!posortuj(krawedzie, przerwij))
        return {};
    krawedzie.erase(std::unique(krawedzie.begin(), krawedzie.end()), krawedzie.end());

    constexpr int kBrak = -1;
    std::vector<std::array<int, 2>> sasiad(std::size_t(n), {kBrak, kBrak});
    const auto stopien = [&](int c) {
        return int(sasiad[std::size_t(c)][0] != kBrak) + int(sasiad[std::size_t(c)][1] != kBrak);
    };
    const auto dolacz = [&](int a, int b) {
        sasiad[std::size_t(a)][sasiad[std::size_t(a)][0] == kBrak ? 0 : 1] = b;
        sasiad[std::size_t(b)][sasiad[std::size_t(b)][0] == kBrak ? 0 : 1] = a;
    };
    Zbiory zbiory(n);
    int dodane = 0;
    for (const Krawedz& k : krawedzie) {
        if (stopien(k.a) < 2 && stopien(k.b) < 2 && zbiory.Polacz(k.a, k.b)) {
            dolacz(k.a, k.b);
            if (++dodane == n - 1)
                break;
        }
    }
    krawedzie = {};

    // The paths (single cities among them) walked one after another, each
    // next one entered at the free end nearest to where the last one left
    // off: first among the candidates, then by looking at every free end.
    std::vector<int> konce;
    for (int c = 0; c < n; ++c)
        if (stopien(c) < 2)
            konce.push_back(c);
    std::vector<int> miejsceKonca(std::size_t(n), kBrak);
    for (std::size_t i = 0; i < konce.size(); ++i)
        miejsceKonca[std::size_t(konce[i])] = int(i);
    const auto zabierz = [&](int c) {
        const int i = miejsceKonca[std::size_t(c)];
        if (i == kBrak)
            return;
        const int ostatni = konce.back();
        konce[std::size_t(i)] = ostatni;
        miejsceKonca[std::size_t(ostatni)] = i;
        konce.pop_back();
        miejsceKonca[std::size_t(c)] = kBrak;
    };

    std::vector<int> trasa;
    trasa.reserve(std::size_t(n));
    int wejscie = konce.empty() ? 0 : konce.front();
    int kroki = 0;
    while (true) {
        // Walk the path from its free end wejscie to the other end.
        zabierz(wejscie);
        int poprzednie = kBrak, biezace = wejscie;
        while (true) {
            trasa.push_back(biezace);
            int dalej = kBrak;
            for (const int s : sasiad[std::size_t(biezace)])
                if (s != kBrak && s != poprzednie) {
                    dalej = s;
                    break;
                }
            if (dalej == kBrak || dalej == wejscie)
                break;
            poprzednie = biezace;
            biezace = dalej;
        }
        zabierz(biezace);
        if (konce.empty())
            break;
        if ((++kroki & 63) == 0 && przerwij())
            return {};
        int najblizszy = kBrak;
        for (const auto& s : sasiedzi.Dla(biezace))
            if (miejsceKonca[std::size_t(s.miasto)] != kBrak) {
                najblizszy = s.miasto;
                break;
            }
        if (najblizszy == kBrak) {
            double najmniej = 0.0;
            for (const int c : konce) {
                const double dc = odleglosc(biezace, c);
                if (najblizszy == kBrak || dc < najmniej || (dc == najmniej && c < najblizszy))
                    najblizszy = c, najmniej = dc;
            }
        }
        wejscie = najblizszy;
    }
    return trasa;
}
