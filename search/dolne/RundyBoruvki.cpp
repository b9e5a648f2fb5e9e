#include "search/dolne/RundyBoruvki.h"

#include <algorithm>
#include <numeric>

namespace {

// Queries between two looks at przerwij.
constexpr int kCoIlePytan = 256;

int korzen(std::vector<int>& rodzic, int a) {
    while (rodzic[std::size_t(a)] != a) {
        rodzic[std::size_t(a)] = rodzic[std::size_t(rodzic[std::size_t(a)])];
        a = rodzic[std::size_t(a)];
    }
    return a;
}

} // namespace

RundyBoruvki::RundyBoruvki(DrzewoKar& drzewo, std::span<const double> kary)
    : drzewo_(drzewo), kary_(kary), uf_(kary.size()), najblizszy_(kary.size(), -1),
      klucz_(kary.size(), -kNieskonczonosc), wazny_(kary.size(), 0), najtanszy_(kary.size()),
      skladowych_(int(kary.size())) {
    drzewo_.UstawKary(kary);
    std::iota(uf_.begin(), uf_.end(), 0);
    skladowa_ = uf_;
    drzewo_.UstawSkladowe(skladowa_);
}

bool RundyBoruvki::Runda(const std::function<bool()>& przerwij, std::vector<std::pair<int, int>>& krawedzie) {
    korzenie_.clear();
    for (std::size_t c = 0; c < skladowa_.size(); ++c)
        if (skladowa_[c] == int(c)) {
            korzenie_.push_back(int(c));
            najtanszy_[c] = {};
        }
    if (!najtansze(przerwij))
        return false;
    polacz(krawedzie);
    return true;
}

void RundyBoruvki::zglos(int a, int b, double waga) {
    Najtanszy& t = najtanszy_[std::size_t(skladowa_[std::size_t(a)])];
    if (waga < t.waga)
        t = {waga, a, b};
}

bool RundyBoruvki::najtansze(const std::function<bool()>& przerwij) {
    const std::size_t n = skladowa_.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (wazny_[i] && skladowa_[std::size_t(najblizszy_[i])] != skladowa_[i])
            zglos(int(i), najblizszy_[i], klucz_[i] + kary_[i]);
        else
            wazny_[i] = 0;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (wazny_[i])
            continue;
        const double prog = najtanszy_[std::size_t(skladowa_[i])].waga - kary_[i];
        if (!(klucz_[i] < prog))
            continue;
        if (++pytania_ % kCoIlePytan == 0 && przerwij())
            return false;
        DrzewoKar::Trafienie t;
        if (drzewo_.Najblizsze(int(i), 1, true, prog, &t) == 1) {
            najblizszy_[i] = t.miasto;
            klucz_[i] = t.klucz;
            wazny_[i] = 1;
            zglos(int(i), t.miasto, t.klucz + kary_[i]);
        } else {
            klucz_[i] = prog;
        }
    }
    return true;
}

void RundyBoruvki::polacz(std::vector<std::pair<int, int>>& krawedzie) {
    // Cheapest first: with ties between components' choices this keeps
    // every edge added inside one minimum spanning tree.
    std::sort(korzenie_.begin(), korzenie_.end(), [&](int a, int b) {
        return najtanszy_[std::size_t(a)].waga < najtanszy_[std::size_t(b)].waga;
    });
    for (const int r : korzenie_) {
        const Najtanszy& t = najtanszy_[std::size_t(r)];
        if (t.a < 0)
            continue;
        const int ka = korzen(uf_, t.a), kb = korzen(uf_, t.b);
        if (ka == kb)
            continue;
        uf_[std::size_t(ka)] = kb;
        krawedzie.push_back({t.a, t.b});
        --skladowych_;
    }
    for (std::size_t c = 0; c < skladowa_.size(); ++c)
        skladowa_[c] = korzen(uf_, int(c));
    drzewo_.UstawSkladowe(skladowa_);
}
