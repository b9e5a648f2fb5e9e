#include "search/dowod/PoprawaTrasy.h"

#include <algorithm>
#include <cmath>

namespace {

// Gains below this are rounding, not gains: weights of the window's cells
// are single-precision numbers of at most a few thousand.
constexpr double kZysk = 1e-7;

class Poprawa {
public:
    Poprawa(const WagiKrawedzi& w, std::vector<int> trasa, const std::vector<std::vector<int>>& kandydaci)
        : w_(w), n_(int(trasa.size())), trasa_(std::move(trasa)), pozycja_(std::size_t(n_)),
          kandydaci_(kandydaci) {
        for (int i = 0; i < n_; ++i)
            pozycja_[std::size_t(trasa_[std::size_t(i)])] = i;
    }

    std::vector<int> Wynik() {
        for (bool zmiana = true; zmiana;) {
            zmiana = false;
            for (int a = 0; a < n_; ++a)
                zmiana = dwaOpt(a) || orOpt(a) || zmiana;
        }
        return std::move(trasa_);
    }

private:
    int nast(int v) const { return trasa_[std::size_t((pozycja_[std::size_t(v)] + 1) % n_)]; }
    int poprz(int v) const { return trasa_[std::size_t((pozycja_[std::size_t(v)] + n_ - 1) % n_)]; }
    double d(int a, int b) const { return w_(a, b); }

    // Reverses the stretch from position i to position j (cyclically),
    // the shorter way round.
    void odwroc(int i, int j) {
        int dlugosc = ((j - i) % n_ + n_) % n_ + 1;
        if (2 * dlugosc > n_) {
            std::swap(i, j);
            i = (i + 1) % n_;
            j = (j + n_ - 1) % n_;
            dlugosc = n_ - dlugosc;
        }
        for (int k = 0; k < dlugosc / 2; ++k) {
            const int p = (i + k) % n_, q = ((j - k) % n_ + n_) % n_;
            std::swap(trasa_[std::size_t(p)], trasa_[std::size_t(q)]);
            pozycja_[std::size_t(trasa_[std::size_t(p)])] = p;
            pozycja_[std::size_t(trasa_[std::size_t(q)])] = q;
        }
    }

    // Edges (a, next a) and (c, next c) become (a, c) and (next a, next c);
    // and the same backwards.
    bool dwaOpt(int a) {
        for (const bool wPrzod : {true, false}) {
            const int b = wPrzod ? nast(a) : poprz(a);
            for (int c : kandydaci_[std::size_t(a)]) {
                const double zysk0 = d(a, b) - d(a, c);
                if (zysk0 <= kZysk)
                    break;
                const int e = wPrzod ? nast(c) : poprz(c);
                if (c == b || e == a)
                    continue;
                if (zysk0 + d(c, e) - d(b, e) > kZysk) {
                    if (wPrzod)
                        odwroc(pozycja_[std::size_t(b)], pozycja_[std::size_t(c)]);
                    else
                        odwroc(pozycja_[std::size_t(c)], pozycja_[std::size_t(b)]);
                    return true;
                }
            }
        }
        return false;
    }

    // The stretch of up to three cities starting at s moves between c and
    // a neighbour of c, either way round: the first move that gains.
    bool orOpt(int s) {
        for (int dlugosc = 1; dlugosc <= 3 && dlugosc + 2 < n_; ++dlugosc) {
            int koniec = s;
            for (int k = 1; k < dlugosc; ++k)
                koniec = nast(koniec);
            const int p = poprz(s), q = nast(koniec);
            const double usuniete = d(p, s) + d(koniec, q) - d(p, q);
            for (const int kraniec : {s, koniec}) {
                for (int c : kandydaci_[std::size_t(kraniec)]) {
                    if (usuniete - d(kraniec, c) <= kZysk)
                        break;
                    if (wOdcinku(c, s, dlugosc))
                        continue;
                    for (const int e : {nast(c), poprz(c)}) {
                        if (wOdcinku(e, s, dlugosc) || (c == p && e == q) || (c == q && e == p))
                            continue;
                        const int drugi = kraniec == s ? koniec : s;
                        const double zysk = usuniete + d(c, e) - d(c, kraniec) - d(e, drugi);
                        if (zysk > kZysk) {
                            przenies(s, dlugosc, c, e, kraniec);
                            return true;
                        }
                    }
                }
            }
        }
        return false;
    }

    bool wOdcinku(int v, int s, int dlugosc) const {
        return ((pozycja_[std::size_t(v)] - pozycja_[std::size_t(s)]) % n_ + n_) % n_ < dlugosc;
    }

    // Takes the stretch out and puts it between c and e (neighbours once it
    // is out), kraniec next to c.
    void przenies(int s, int dlugosc, int c, int e, int kraniec) {
        std::vector<int> odcinek;
        for (int k = 0, v = s; k < dlugosc; ++k, v = nast(v))
            odcinek.push_back(v);
        if (kraniec != s)
            std::reverse(odcinek.begin(), odcinek.end());
        std::vector<int> reszta;
        reszta.reserve(std::size_t(n_));
        for (int k = 0, v = nast(kraniec == s ? odcinek.back() : odcinek.front()); k < n_ - dlugosc; ++k, v = nast(v))
            reszta.push_back(v);
        const std::size_t ic = std::size_t(std::find(reszta.begin(), reszta.end(), c) - reszta.begin());
        const bool ePoC = reszta[(ic + 1) % reszta.size()] == e;
        std::vector<int> nowa(reszta.begin(), reszta.begin() + std::ptrdiff_t(ic));
        if (ePoC) {
            nowa.push_back(c);
            nowa.insert(nowa.end(), odcinek.begin(), odcinek.end());
        } else {
            nowa.insert(nowa.end(), odcinek.rbegin(), odcinek.rend());
            nowa.push_back(c);
        }
        nowa.insert(nowa.end(), reszta.begin() + std::ptrdiff_t(ic) + 1, reszta.end());
        trasa_ = std::move(nowa);
        for (int i = 0; i < n_; ++i)
            pozycja_[std::size_t(trasa_[std::size_t(i)])] = i;
    }

    const WagiKrawedzi& w_;
    int n_;
    std::vector<int> trasa_;
    std::vector<int> pozycja_;
    const std::vector<std::vector<int>>& kandydaci_;
};

} // namespace

std::vector<int> PoprawTrase(const WagiKrawedzi& w, std::vector<int> trasa, std::span<const Krawedz> kandydaci,
                             std::span<const Krawedz> dodatkowe) {
    const int n = w.Ilosc();
    if (n < 5 || int(trasa.size()) != n)
        return trasa;
    std::vector<std::vector<int>> listy(static_cast<std::size_t>(n));
    for (const std::span<const Krawedz> krawedzie : {kandydaci, dodatkowe})
        for (const Krawedz& e : krawedzie) {
            listy[std::size_t(e.a)].push_back(e.b);
            listy[std::size_t(e.b)].push_back(e.a);
        }
    for (int a = 0; a < n; ++a) {
        std::vector<int>& c = listy[std::size_t(a)];
        std::sort(c.begin(), c.end());
        c.erase(std::unique(c.begin(), c.end()), c.end());
        std::sort(c.begin(), c.end(), [&](int u, int v) { return w(a, u) < w(a, v); });
    }
    return Poprawa(w, std::move(trasa), listy).Wynik();
}
