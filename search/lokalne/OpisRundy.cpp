#include "search/lokalne/OpisRundy.h"

#include "search/lokalne/TrasaTablicowa.h"

namespace {

// The edges of the closed route a that b lacks; sasiedzi holds each city's
// two neighbours on b.
void Brakujace(const std::vector<int>& a, const std::vector<std::pair<int, int>>& sasiedzi,
               std::vector<std::pair<int, int>>& brakujace) {
    const std::size_t n = a.size();
    for (std::size_t k = 0; k < n; ++k) {
        const int u = a[k];
        const int v = a[(k + 1) % n];
        const std::pair<int, int>& s = sasiedzi[std::size_t(u)];
        if (s.first != v && s.second != v)
            brakujace.emplace_back(u, v);
    }
}

std::vector<std::pair<int, int>> Sasiedzi(const std::vector<int>& trasa) {
    const std::size_t n = trasa.size();
    std::vector<std::pair<int, int>> s(n);
    for (std::size_t k = 0; k < n; ++k)
        s[std::size_t(trasa[k])] = {trasa[(k + n - 1) % n], trasa[(k + 1) % n]};
    return s;
}

} // namespace

OpisKroku OpisRundy(const std::vector<int>& przed, const TrasaTablicowa& po, double zmiana, bool przyjety) {
    OpisKroku opis;
    opis.rodzaj = OpisKroku::Rodzaj::Ruch;
    opis.zmiana = zmiana;
    opis.przyjety = przyjety;
    const std::vector<int>& teraz = po.Kolejnosc();
    if (przed.size() != teraz.size() || przed.size() < 3)
        return opis;
    Brakujace(przed, Sasiedzi(teraz), opis.usuniete);
    Brakujace(teraz, Sasiedzi(przed), opis.dodane);
    return opis;
}
