#include "search/dowod/CiecieCertyfikatu.h"

#include <algorithm>

namespace {

ZbiorPozycji przedzialy(const std::vector<int>& zbior, const std::vector<int>& pozycja) {
    std::vector<int> p;
    p.reserve(zbior.size());
    for (const int miasto : zbior)
        p.push_back(pozycja[std::size_t(miasto)]);
    std::sort(p.begin(), p.end());
    ZbiorPozycji z;
    for (const int x : p) {
        if (!z.empty() && z.back().doKonca + 1 == x)
            z.back().doKonca = x;
        else
            z.push_back({x, x});
    }
    return z;
}

} // namespace

std::optional<CiecieCertyfikatu> CiecieDoCertyfikatu(const Ciecie& c, const std::vector<int>& pozycja) {
    CiecieCertyfikatu w;
    for (const std::vector<int>& s : c.zbiory)
        w.zbiory.push_back(przedzialy(s, pozycja));
    const int zbiory = int(c.zbiory.size());
    if (!c.zeby.empty()) {
        if (zbiory != 1 || c.prawa != 1 - int(c.zeby.size()))
            return std::nullopt;
        w.rodzaj = CiecieCertyfikatu::Rodzaj::Kwiat;
        for (const Krawedz& k : c.zeby)
            w.krawedzie.emplace_back(k.a, k.b);
    } else if (zbiory == 1 && c.prawa == 2) {
        w.rodzaj = CiecieCertyfikatu::Rodzaj::Podcykl;
    } else if (zbiory >= 4 && c.prawa == 3 * (zbiory - 1) + 1) {
        // A comb: the handle first, then the teeth.
        w.rodzaj = CiecieCertyfikatu::Rodzaj::Grzebien;
    } else {
        return std::nullopt;
    }
    return w;
}
