#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/SasiedziKandydaci.h"

// The best sequential 2-opt or 3-opt move that breaks an edge of t1: a
// Lin-Kernighan chain of depth three, without trial reversals. Edge
// (t1,t2) goes, (t2,t3) comes for a near t3, (t3,t4) goes, then either the
// route closes with (t4,t1) (2-opt) or (t4,t5) comes for a near t5, (t5,t6)
// goes and (t6,t1) closes it. Every partial sum of the chain must be a gain,
// which is what keeps the search to a few dozen candidates. Improves on
// ruch only; returns whether it did.
template <MiaraOdleglosci D>
bool NajlepszyTrzyOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, int t1, Ruch& ruch) {
    const TrasaTablicowa& trasa = okno.Trasa();
    const int n = trasa.Rozmiar();
    bool poprawiony = false;
    for (int kierunek = 0; kierunek < 2; ++kierunek) {
        const bool naprzod = kierunek == 0;
        const auto nast = [&](int c) { return naprzod ? trasa.Nastepne(c) : trasa.Poprzednie(c); };
        const auto poprz = [&](int c) { return naprzod ? trasa.Poprzednie(c) : trasa.Nastepne(c); };
        const int t2 = nast(t1);
        if (!okno.Moje(t2))
            continue;
        const int p2 = trasa.Pozycja(t2);
        // Steps from t2 in this direction: orders the cities t2 .. t1.
        const auto od2 = [&](int c) {
            const int r = naprzod ? trasa.Pozycja(c) - p2 : p2 - trasa.Pozycja(c);
            return r < 0 ? r + n : r;
        };
        const double d12 = double(d(t1, t2));
        for (const auto& k3 : sasiedzi.Dla(t2)) {
            const int t3 = k3.miasto;
            const double g1 = d12 - k3.odleglosc;
            if (g1 <= Ruch::MinimalnyZysk)
                break;
            if (t3 == t1 || !okno.Moje(t3))
                continue;
            for (int wariant = 0; wariant < 2; ++wariant) {
                // wariant 0: t4 before t3, the 2-opt move closes; wariant 1:
                // t4 after t3, only a third exchange makes a cycle again.
                const int t4 = wariant == 0 ? poprz(t3) : nast(t3);
                if (t4 == t2 || !okno.Moje(t4))
                    continue;
                const double g2otwarte = g1 + double(d(t3, t4));
                if (wariant == 0) {
                    const double zysk = g2otwarte - double(d(t4, t1));
                    if (zysk > ruch.zysk) {
                        ruch.Zapisz(zysk, {{{t1, t2, t4, t3}}}, 1);
                        poprawiony = true;
                    }
                }
                const int r3 = od2(t3);
                const int r4 = wariant == 0 ? r3 - 1 : r3 + 1;
                for (const auto& k5 : sasiedzi.Dla(t4)) {
                    const int t5 = k5.miasto;
                    const double g2 = g2otwarte - k5.odleglosc;
                    if (g2 <= Ruch::MinimalnyZysk)
                        break;
                    if (t5 == t3 || t5 == t1 || !okno.Moje(t5))
                        continue;
                    const int r5 = od2(t5);
                    if (wariant == 0) {
                        // After the 2-opt move t2..t4 runs backwards.
                        const int t6 = r5 <= r4 ? nast(t5) : poprz(t5);
                        if (t6 == t4 || t6 == t1 || !okno.Moje(t6))
                            continue;
                        const double zysk = g2 + double(d(t5, t6)) - double(d(t6, t1));
                        if (zysk > ruch.zysk) {
                            ruch.Zapisz(zysk, {{{t1, t2, t4, t3}, {t1, t4, t6, t5}}}, 2);
                            poprawiony = true;
                        }
                    } else {
                        // t5 must lie on the cycle t2..t3 closed by (t2,t3).
                        if (r5 > r3)
                            continue;
                        const int t6n = nast(t5);
                        if (okno.Moje(t6n)) {
                            // Segments t2..t5 and t6..t3 change places.
                            const double zysk = g2 + double(d(t5, t6n)) - double(d(t6n, t1));
                            if (zysk > ruch.zysk) {
                                ruch.Zapisz(zysk, {{{t1, t2, t3, t4}, {t1, t3, t6n, t5}, {t3, t5, t2, t4}}}, 3);
                                poprawiony = true;
                            }
                        }
                        if (t5 != t2) {
                            const int t6p = poprz(t5);
                            if (okno.Moje(t6p)) {
                                // Segments t2..t6 and t5..t3 each turn round.
                                const double zysk = g2 + double(d(t5, t6p)) - double(d(t6p, t1));
                                if (zysk > ruch.zysk) {
                                    ruch.Zapisz(zysk, {{{t1, t2, t6p, t5}, {t2, t5, t3, t4}}}, 2);
                                    poprawiony = true;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    return poprawiony;
}
