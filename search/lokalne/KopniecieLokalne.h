#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <algorithm>
#include <array>
#include <random>

// The kick of iterated local search: a double bridge. Three stretches that
// follow one another on the route, A B C, become C B A, each keeping its
// direction: four edges change. The cuts fall after a random city and
// after cities reached from it by a short random walk over the candidate
// neighbours, so the four cuts are near each other in the plane while the
// stretches between them may be long; a kick of three short stretches in a
// row is easily put back by the descent, this one is not. When the walk
// finds no cuts within najwiekszaRozpietosc positions, three short stretches
// in a row (at most najdluzszyOdcinek each) do. Returns the length added and
// the eight cities at the changed edges (the descent starts from them);
// false when the view is too short for a kick.
template <MiaraOdleglosci D>
bool KopniecieLokalne(const D& d, const SasiedziKandydaci& sasiedzi, OknoTrasy& okno, int najdluzszyOdcinek,
                      int najwiekszaRozpietosc, std::mt19937_64& los, double& przyrost, std::array<int, 8>& dotkniete) {
    const TrasaTablicowa& trasa = okno.Trasa();
    const int m = okno.Dlugosc();
    const bool cala = m == trasa.Rozmiar();
    // Inside a stretch the end cities stay put; on the whole cycle one city
    // before and one after are enough.
    const int miejsce = m - 2;
    const int odcinek = std::min(najdluzszyOdcinek, miejsce / 3);
    if (odcinek < 1 || (cala && trasa.Rozmiar() < 8))
        return false;
    const auto losuj = [&los](int od, int doWlacznie) {
        return od + int(los() % std::uint64_t(doWlacznie - od + 1));
    };
    const auto wzgledna = [&](int c) {
        const int r = trasa.Pozycja(c) - okno.Poczatek();
        return r < 0 ? r + trasa.Rozmiar() : r;
    };
    int r = 0, la = 0, lb = 0, lc = 0;
    // Cuts after positions q[0] < q[1] < q[2] < q[3], inside the view with a
    // city to spare after the last.
    std::array<int, 4> q{};
    q[0] = losuj(0, m - 2);
    const int c0 = trasa.Miasto((okno.Poczatek() + q[0]) % trasa.Rozmiar());
    int c = c0;
    bool znalezione = true;
    for (int i = 1; i < 4 && znalezione; ++i) {
        const auto lista = sasiedzi.Dla(c);
        znalezione = !lista.empty();
        if (!znalezione)
            break;
        c = lista[std::size_t(losuj(0, std::min<int>(int(lista.size()), 5) - 1))].miasto;
        znalezione = okno.Moje(c);
        if (znalezione)
            q[std::size_t(i)] = wzgledna(c);
    }
    if (znalezione) {
        std::sort(q.begin(), q.end());
        znalezione = q[0] < q[1] && q[1] < q[2] && q[2] < q[3] && q[3] <= m - 2 &&
                     q[3] - q[0] <= najwiekszaRozpietosc;
    }
    if (znalezione) {
        r = q[0] + 1;
        la = q[1] - q[0], lb = q[2] - q[1], lc = q[3] - q[2];
    } else {
        la = losuj(1, odcinek), lb = losuj(1, odcinek), lc = losuj(1, odcinek);
        r = losuj(1, m - 1 - (la + lb + lc));  // relative position of A's first city
    }
    const int razem = la + lb + lc;
    const auto miasto = [&](int w) {
        int p = okno.Poczatek() + w;
        if (p >= trasa.Rozmiar())
            p -= trasa.Rozmiar();
        return trasa.Miasto(p);
    };
    const int a0 = miasto(r - 1), a1 = miasto(r), a2 = miasto(r + la - 1);
    const int b1 = miasto(r + la), b2 = miasto(r + la + lb - 1);
    const int c1 = miasto(r + la + lb), c2 = miasto(r + razem - 1), c3 = miasto(r + razem);
    przyrost = double(d(a0, c1)) + double(d(c2, b1)) + double(d(b2, a1)) + double(d(a2, c3)) -
               double(d(a0, a1)) - double(d(a2, b1)) - double(d(b2, c1)) - double(d(c2, c3));
    okno.OdwrocWzgledne(r, razem);
    okno.OdwrocWzgledne(r, lc);
    okno.OdwrocWzgledne(r + lc, lb);
    okno.OdwrocWzgledne(r + lc + lb, la);
    dotkniete = {a0, a1, a2, b1, b2, c1, c2, c3};
    return true;
}
