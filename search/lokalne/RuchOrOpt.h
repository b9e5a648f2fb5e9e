#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/SasiedziKandydaci.h"

// The best Or-opt move that starts at t1: the one to three cities from t1 on
// (in either direction) leave their place and go between two neighbouring
// cities elsewhere, turned round or not, next to a near city of either end.
// Improves on ruch only; returns whether it did.
template <MiaraOdleglosci D>
bool NajlepszyOrOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, int t1, Ruch& ruch) {
    const TrasaTablicowa& trasa = okno.Trasa();
    const int n = trasa.Rozmiar();
    bool poprawiony = false;
    for (int kierunek = 0; kierunek < 2; ++kierunek) {
        const bool naprzod = kierunek == 0;
        const auto nast = [&](int c) { return naprzod ? trasa.Nastepne(c) : trasa.Poprzednie(c); };
        const auto poprz = [&](int c) { return naprzod ? trasa.Poprzednie(c) : trasa.Nastepne(c); };
        const int p = poprz(t1);
        if (!okno.Moje(p))
            continue;
        int s2 = t1;
        for (int dlugosc = 1; dlugosc <= 3 && dlugosc + 3 <= n; ++dlugosc) {
            if (dlugosc > 1) {
                s2 = nast(s2);
                if (!okno.Moje(s2))
                    break;
            }
            const int s1 = t1;
            const int za = nast(s2);
            if (za == p || !okno.Moje(za))
                break;
            const auto wSegmencie = [&](int c) {
                for (int c1 = s1;; c1 = nast(c1)) {
                    if (c1 == c)
                        return true;
                    if (c1 == s2)
                        return false;
                }
            };
            const double g0 = double(d(p, s1)) + double(d(s2, za)) - double(d(p, za));
            // Between x and y = nast(x): turned round adds (x,s2) and (s1,y),
            // kept as it is adds (x,s1) and (s2,y).
            const auto sprobuj = [&](int x, int y, bool odwrocony) {
                if (!okno.Moje(x) || !okno.Moje(y) || wSegmencie(x) || wSegmencie(y))
                    return;
                const double dodane = odwrocony ? double(d(x, s2)) + double(d(s1, y))
                                                : double(d(x, s1)) + double(d(s2, y));
                const double zysk = g0 + double(d(x, y)) - dodane;
                if (zysk <= ruch.zysk)
                    return;
                std::array<std::array<int, 4>, 3> kroki{};
                int ile = 0;
                if (y == p) {
                    kroki[std::size_t(ile++)] = {x, p, s2, za};
                } else {
                    kroki[std::size_t(ile++)] = {p, s1, x, y};
                    if (x != za)
                        kroki[std::size_t(ile++)] = {p, x, za, s2};
                }
                if (!odwrocony && s1 != s2)
                    kroki[std::size_t(ile++)] = {x, s2, s1, y};
                ruch.Zapisz(zysk, kroki, ile);
                poprawiony = true;
            };
            // A neighbour's own neighbours are read only once it is ours: in
            // a stretch of a shared route, the rest belongs to another thread.
            for (const auto& k : sasiedzi.Dla(s1)) {
                if (g0 - k.odleglosc <= Ruch::MinimalnyZysk)
                    break;
                if (!okno.Moje(k.miasto))
                    continue;
                sprobuj(k.miasto, nast(k.miasto), false);
                if (s1 != s2)
                    sprobuj(poprz(k.miasto), k.miasto, true);
            }
            if (s1 != s2)
                for (const auto& k : sasiedzi.Dla(s2)) {
                    if (g0 - k.odleglosc <= Ruch::MinimalnyZysk)
                        break;
                    if (!okno.Moje(k.miasto))
                        continue;
                    sprobuj(poprz(k.miasto), k.miasto, false);
                    sprobuj(k.miasto, nast(k.miasto), true);
                }
        }
    }
    return poprawiony;
}
