#include "search/certyfikat/KsztaltCiecia.h"

#include <algorithm>
#include <set>

namespace {

std::optional<QString> uporzadkowany(const ZbiorPozycji& z, int n) {
    if (z.empty())
        return QStringLiteral("a set without intervals");
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i].od < 0 || z[i].od > z[i].doKonca || z[i].doKonca >= n)
            return QStringLiteral("interval %1..%2 is not within 0..%3").arg(z[i].od).arg(z[i].doKonca).arg(n - 1);
        if (i > 0 && z[i].od <= z[i - 1].doKonca)
            return QStringLiteral("its intervals are not ascending and disjoint");
    }
    return std::nullopt;
}

bool wlasciwy(const ZbiorPozycji& z, int n) {
    const long long r = Rozmiar(z);
    return r > 0 && r < n;
}

long long czescWspolna(const ZbiorPozycji& a, const ZbiorPozycji& b) {
    long long wspolne = 0;
    for (std::size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        const int od = std::max(a[i].od, b[j].od), doKonca = std::min(a[i].doKonca, b[j].doKonca);
        if (od <= doKonca)
            wspolne += doKonca - od + 1;
        if (a[i].doKonca < b[j].doKonca)
            ++i;
        else
            ++j;
    }
    return wspolne;
}

KsztaltCiecia zle(const QString& co) {
    return {co, 0};
}

KsztaltCiecia kwiat(const CiecieCertyfikatu& c, int n, const std::vector<int>& pozycja) {
    const ZbiorPozycji& h = c.zbiory[0];
    if (c.krawedzie.size() % 2 != 1)
        return zle(QStringLiteral("a blossom needs an odd number of edges, not %1").arg(c.krawedzie.size()));
    std::set<std::pair<int, int>> widziane;
    for (const auto& [u, v] : c.krawedzie) {
        if (u < 0 || v < 0 || u >= n || v >= n || u == v)
            return zle(QStringLiteral("edge (%1, %2) is no edge of the instance").arg(u).arg(v));
        if (!widziane.insert({std::max(u, v), std::min(u, v)}).second)
            return zle(QStringLiteral("edge (%1, %2) is given twice").arg(u).arg(v));
        if (Zawiera(h, pozycja[std::size_t(u)]) == Zawiera(h, pozycja[std::size_t(v)]))
            return zle(QStringLiteral("edge (%1, %2) does not cross the handle").arg(u).arg(v));
    }
    return {std::nullopt, 1 - int(c.krawedzie.size())};
}

KsztaltCiecia grzebien(const CiecieCertyfikatu& c) {
    const std::size_t zeby = c.zbiory.size() - 1;
    if (zeby < 3 || zeby % 2 != 1)
        return zle(QStringLiteral("a comb needs an odd number of teeth, 3 or more, not %1").arg(zeby));
    if (!c.krawedzie.empty())
        return zle(QStringLiteral("a comb has no edge set"));
    const ZbiorPozycji& h = c.zbiory[0];
    std::vector<Przedzial> wszystkie;
    for (std::size_t t = 1; t <= zeby; ++t) {
        const ZbiorPozycji& z = c.zbiory[t];
        const long long wspolne = czescWspolna(z, h);
        if (wspolne == 0 || wspolne == Rozmiar(z))
            return zle(QStringLiteral("tooth %1 does not both meet the handle and leave it").arg(t));
        wszystkie.insert(wszystkie.end(), z.begin(), z.end());
    }
    std::sort(wszystkie.begin(), wszystkie.end(), [](const Przedzial& a, const Przedzial& b) { return a.od < b.od; });
    for (std::size_t i = 1; i < wszystkie.size(); ++i)
        if (wszystkie[i].od <= wszystkie[i - 1].doKonca)
            return zle(QStringLiteral("its teeth are not pairwise disjoint"));
    return {std::nullopt, 3 * int(zeby) + 1};
}

} // namespace

long long Rozmiar(const ZbiorPozycji& z) {
    long long r = 0;
    for (const Przedzial& p : z)
        r += p.doKonca - p.od + 1;
    return r;
}

bool Zawiera(const ZbiorPozycji& z, int p) {
    const auto i = std::upper_bound(z.begin(), z.end(), p, [](int q, const Przedzial& x) { return q < x.od; });
    return i != z.begin() && p <= std::prev(i)->doKonca;
}

KsztaltCiecia SprawdzKsztalt(const CiecieCertyfikatu& c, int n, const std::vector<int>& pozycja) {
    if (c.zbiory.empty())
        return zle(QStringLiteral("no set"));
    for (std::size_t i = 0; i < c.zbiory.size(); ++i) {
        if (const std::optional<QString> blad = uporzadkowany(c.zbiory[i], n))
            return zle(QStringLiteral("set %1: ").arg(i) + *blad);
        if (!wlasciwy(c.zbiory[i], n))
            return zle(QStringLiteral("set %1 is empty or holds every city").arg(i));
    }
    switch (c.rodzaj) {
    case CiecieCertyfikatu::Rodzaj::Podcykl:
        if (c.zbiory.size() != 1 || !c.krawedzie.empty())
            return zle(QStringLiteral("a subtour cut is one set"));
        return {std::nullopt, 2};
    case CiecieCertyfikatu::Rodzaj::Kwiat:
        if (c.zbiory.size() != 1)
            return zle(QStringLiteral("a blossom has one handle"));
        return kwiat(c, n, pozycja);
    case CiecieCertyfikatu::Rodzaj::Grzebien:
        return grzebien(c);
    }
    return zle(QStringLiteral("unknown kind"));
}
