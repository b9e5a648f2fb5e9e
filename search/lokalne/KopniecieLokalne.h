#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"

#include <algorithm>
#include <array>
#include <random>

// The kick of iterated local search: a double bridge on three short stretches
// that follow one another on the route, so the cities it touches are near
// each other and the descent after it has little to repair. The stretches
// A B C become C B A, each keeping its direction: four edges change, and no
// sequential 3-opt move can put them back. Returns the length added and the
// eight cities at the changed edges (the descent starts from them); false
// when the view is too short for a kick.
template <MiaraOdleglosci D>
bool KopniecieLokalne(const D& d, OknoTrasy& okno, int najdluzszyOdcinek, std::mt19937_64& los, double& przyrost,
                      std::array<int, 8>& dotkniete) {
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
    const int la = losuj(1, odcinek), lb = losuj(1, odcinek), lc = losuj(1, odcinek);
    const int razem = la + lb + lc;
    const int r = losuj(1, m - 1 - razem);  // relative position of A's first city
    const auto miasto = [&](int wzgledna) {
        int p = okno.Poczatek() + wzgledna;
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
