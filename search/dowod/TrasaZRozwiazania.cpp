#include "search/dowod/TrasaZRozwiazania.h"

#include "search/dowod/GrafWsparcia.h"
#include "search/dowod/TolerancjeDowodu.h"

std::vector<int> TrasaZRozwiazania(const GrafWsparcia& g) {
    const int n = g.Ilosc();
    std::vector<std::vector<int>> sasiedzi(static_cast<std::size_t>(n));
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie()) {
        if (k.x < 1.0 - TolerancjeDowodu::kCalkowite)
            return {};
        sasiedzi[std::size_t(k.a)].push_back(k.b);
        sasiedzi[std::size_t(k.b)].push_back(k.a);
    }
    for (const std::vector<int>& s : sasiedzi)
        if (s.size() != 2)
            return {};
    std::vector<int> trasa{0};
    int poprzednie = -1, v = 0;
    while (int(trasa.size()) <= n) {
        const std::vector<int>& s = sasiedzi[std::size_t(v)];
        const int dalej = s[0] != poprzednie ? s[0] : s[1];
        poprzednie = v;
        v = dalej;
        if (v == 0)
            break;
        trasa.push_back(v);
    }
    return int(trasa.size()) == n && v == 0 ? trasa : std::vector<int>{};
}
