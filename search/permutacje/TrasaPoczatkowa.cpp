#include "search/permutacje/TrasaPoczatkowa.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace {

constexpr double kPoprawa = 1e-9;  // below this a move is noise, not a gain
constexpr int kKopniecia = 60;

class Trasa {
public:
    Trasa(const std::vector<double>& koszty, int n) : c_(koszty), n_(n) {}

    double koszt(int a, int b) const { return c_[std::size_t(a) * std::size_t(n_) + std::size_t(b)]; }

    double dlugosc(const std::vector<int>& t) const {
        double s = 0.0;
        for (int i = 0; i < n_; ++i)
            s += koszt(t[std::size_t(i)], t[std::size_t((i + 1) % n_)]);
        return s;
    }

    std::vector<int> najblizszySasiad() const {
        std::vector<int> t{0};
        std::vector<char> uzyte(std::size_t(n_), 0);
        uzyte[0] = 1;
        while (int(t.size()) < n_) {
            int najlepsze = -1;
            for (int v = 0; v < n_; ++v)
                if (!uzyte[std::size_t(v)] &&
                    (najlepsze < 0 || koszt(t.back(), v) < koszt(t.back(), najlepsze)))
                    najlepsze = v;
            uzyte[std::size_t(najlepsze)] = 1;
            t.push_back(najlepsze);
        }
        return t;
    }

    // One improving 2-opt move (reversal of t[i+1..j]), or false.
    bool dwaOpt(std::vector<int>& t) const {
        for (int i = 0; i < n_ - 1; ++i)
            for (int j = i + 2; j < n_; ++j) {
                const int a = t[std::size_t(i)], b = t[std::size_t(i + 1)];
                const int c = t[std::size_t(j)], d = t[std::size_t((j + 1) % n_)];
                if (a == d)
                    continue;
                if (koszt(a, c) + koszt(b, d) < koszt(a, b) + koszt(c, d) - kPoprawa) {
                    std::reverse(t.begin() + i + 1, t.begin() + j + 1);
                    return true;
                }
            }
        return false;
    }

    // One improving move of a segment of 1 to 3 cities elsewhere, possibly
    // reversed, or false.
    bool orOpt(std::vector<int>& t) const {
        for (int dl = 1; dl <= 3 && dl < n_ - 2; ++dl)
            for (int i = 0; i < n_; ++i) {
                std::vector<int> r(t.begin() + i, t.end());
                r.insert(r.end(), t.begin(), t.begin() + i);
                // r = segment r[0..dl-1], then the rest; p = before, q = after.
                const int s0 = r[0], s1 = r[std::size_t(dl - 1)];
                const int p = r.back(), q = r[std::size_t(dl)];
                const double zysk = koszt(p, s0) + koszt(s1, q) - koszt(p, q);
                for (int k = dl; k < n_ - 1; ++k) {
                    const int x = r[std::size_t(k)], y = r[std::size_t(k + 1)];
                    const double wprost = koszt(x, s0) + koszt(s1, y) - koszt(x, y);
                    const double odwrotnie = koszt(x, s1) + koszt(s0, y) - koszt(x, y);
                    if (std::min(wprost, odwrotnie) < zysk - kPoprawa) {
                        std::vector<int> nowa(r.begin() + dl, r.begin() + k + 1);
                        if (odwrotnie < wprost)
                            nowa.insert(nowa.end(), r.rbegin() + (n_ - dl), r.rend());
                        else
                            nowa.insert(nowa.end(), r.begin(), r.begin() + dl);
                        nowa.insert(nowa.end(), r.begin() + k + 1, r.end());
                        t = std::move(nowa);
                        return true;
                    }
                }
            }
        return false;
    }

    bool popraw(std::vector<int>& t, const std::function<bool()>& przerwij) const {
        for (;;) {
            if (przerwij())
                return false;
            if (!dwaOpt(t) && !orOpt(t))
                return true;
        }
    }

private:
    const std::vector<double>& c_;
    int n_;
};

void odZera(std::vector<int>& t) {
    std::rotate(t.begin(), std::find(t.begin(), t.end(), 0), t.end());
}

} // namespace

std::vector<int> TrasaPoczatkowa(const std::vector<double>& koszty, int n,
                                 const std::function<bool()>& przerwij) {
    std::vector<int> t(std::size_t(std::max(n, 0)));
    std::iota(t.begin(), t.end(), 0);
    if (n < 5)
        return t;
    const Trasa trasa(koszty, n);
    t = trasa.najblizszySasiad();
    const bool caly = trasa.popraw(t, przerwij);
    double najlepsza = trasa.dlugosc(t);
    // A fixed seed: the same cities always give the same starting route.
    std::mt19937 los(12345);
    for (int k = 0; caly && k < kKopniecia && n >= 8; ++k) {
        std::vector<int> s = t;
        std::uniform_int_distribution<int> pozycja(1, n - 1);
        int ciecia[3] = {pozycja(los), pozycja(los), pozycja(los)};
        std::sort(std::begin(ciecia), std::end(ciecia));
        if (ciecia[0] == ciecia[1] || ciecia[1] == ciecia[2])
            continue;
        // Double bridge: A B C D -> A C B D.
        std::vector<int> nowa(s.begin(), s.begin() + ciecia[0]);
        nowa.insert(nowa.end(), s.begin() + ciecia[1], s.begin() + ciecia[2]);
        nowa.insert(nowa.end(), s.begin() + ciecia[0], s.begin() + ciecia[1]);
        nowa.insert(nowa.end(), s.begin() + ciecia[2], s.end());
        const bool skonczona = trasa.popraw(nowa, przerwij);
        const double d = trasa.dlugosc(nowa);
        if (d < najlepsza - kPoprawa) {
            najlepsza = d;
            t = std::move(nowa);
        }
        if (!skonczona)
            break;
    }
    odZera(t);
    return t;
}
