#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <array>

// Every sequential 2-opt and 3-opt move that removes edge (t1,t2), t2 a
// neighbour of t1 on the route, without trial reversals. (t1,t2) goes,
// (t2,t3) comes for a near t3, (t3,t4) goes, then either the route closes
// with (t4,t1) (2-opt) or (t4,t5) comes for a near t5, (t5,t6) goes and
// (t6,t1) closes it. g is the gain already made before (t1,t2) was removed
// (0 for a move of its own); every partial sum of the chain must stay a
// gain, which keeps the search to a few dozen candidates. A closing that
// gains more than ruch does replaces it. dozwolona(a, b, dodawana) may veto
// an edge the move adds or removes; each 3-opt move that leaves a route is
// handed to dalej(gOtwarty, t6, kroki, ile) before its closing edge is
// counted, where a chain may go on from (t1,t6). Only the nearest ile
// candidates of a city are tried (0: all).
template <MiaraOdleglosci D, class Dozwolona, class Dalej>
void KrokTrzyOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, int t1, int t2, double g,
                 Ruch& ruch, Dozwolona&& dozwolona, Dalej&& dalej, int ile = 0) {
    const auto kandydaci = [&](int c) {
        const auto lista = sasiedzi.Dla(c);
        return ile > 0 && std::size_t(ile) < lista.size() ? lista.first(std::size_t(ile)) : lista;
    };
    const TrasaTablicowa& trasa = okno.Trasa();
    const int n = trasa.Rozmiar();
    const bool naprzod = trasa.Nastepne(t1) == t2;
    const auto nast = [&](int c) { return naprzod ? trasa.Nastepne(c) : trasa.Poprzednie(c); };
    const auto poprz = [&](int c) { return naprzod ? trasa.Poprzednie(c) : trasa.Nastepne(c); };
    const int p2 = trasa.Pozycja(t2);
    // Steps from t2 in this direction: orders the cities t2 .. t1.
    const auto od2 = [&](int c) {
        const int r = naprzod ? trasa.Pozycja(c) - p2 : p2 - trasa.Pozycja(c);
        return r < 0 ? r + n : r;
    };
    const auto zamknij = [&](double gOtwarty, int t6, const std::array<std::array<int, 4>, 3>& kroki, int ileKrokow) {
        const double zysk = gOtwarty - double(d(t6, t1));
        if (zysk > ruch.zysk)
            ruch.Zapisz(zysk, kroki, ileKrokow);
        if (t6 != t2)
            dalej(gOtwarty, t6, kroki, ileKrokow);
    };
    const double g0 = g + double(d(t1, t2));
    for (const auto& k3 : kandydaci(t2)) {
        const int t3 = k3.miasto;
        const double g1 = g0 - k3.odleglosc;
        if (g1 <= Ruch::MinimalnyZysk)
            break;
        if (t3 == t1 || !okno.Moje(t3) || !dozwolona(t2, t3, true))
            continue;
        for (int wariant = 0; wariant < 2; ++wariant) {
            // wariant 0: t4 before t3, the 2-opt move closes; wariant 1:
            // t4 after t3, only a third exchange makes a cycle again.
            const int t4 = wariant == 0 ? poprz(t3) : nast(t3);
            if (t4 == t2 || !okno.Moje(t4) || !dozwolona(t3, t4, false))
                continue;
            const double g2otwarte = g1 + double(d(t3, t4));
            if (wariant == 0) {
                const double zysk = g2otwarte - double(d(t4, t1));
                if (zysk > ruch.zysk)
                    ruch.Zapisz(zysk, {{{t1, t2, t4, t3}}}, 1);
            }
            const int r3 = od2(t3);
            const int r4 = wariant == 0 ? r3 - 1 : r3 + 1;
            for (const auto& k5 : kandydaci(t4)) {
                const int t5 = k5.miasto;
                const double g2 = g2otwarte - k5.odleglosc;
                if (g2 <= Ruch::MinimalnyZysk)
                    break;
                if (t5 == t3 || t5 == t1 || !okno.Moje(t5) || !dozwolona(t4, t5, true))
                    continue;
                const int r5 = od2(t5);
                if (wariant == 0) {
                    // After the 2-opt move t2..t4 runs backwards.
                    const int t6 = r5 <= r4 ? nast(t5) : poprz(t5);
                    if (t6 == t4 || t6 == t1 || !okno.Moje(t6) || !dozwolona(t5, t6, false))
                        continue;
                    zamknij(g2 + double(d(t5, t6)), t6, {{{t1, t2, t4, t3}, {t1, t4, t6, t5}}}, 2);
                } else {
                    // t5 must lie on the cycle t2..t3 closed by (t2,t3).
                    if (r5 > r3)
                        continue;
                    const int t6n = nast(t5);
                    // Segments t2..t5 and t6..t3 change places.
                    if (okno.Moje(t6n) && dozwolona(t5, t6n, false))
                        zamknij(g2 + double(d(t5, t6n)), t6n, {{{t1, t2, t3, t4}, {t1, t3, t6n, t5}, {t3, t5, t2, t4}}},
                                3);
                    if (t5 != t2) {
                        // Segments t2..t6 and t5..t3 each turn round.
                        const int t6p = poprz(t5);
                        if (okno.Moje(t6p) && dozwolona(t5, t6p, false))
                            zamknij(g2 + double(d(t5, t6p)), t6p, {{{t1, t2, t6p, t5}, {t2, t5, t3, t4}}}, 2);
                    }
                }
            }
        }
    }
}

// The best sequential 2-opt or 3-opt move that breaks an edge of t1.
// Improves on ruch only; returns whether it did.
template <MiaraOdleglosci D>
bool NajlepszyTrzyOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, int t1, Ruch& ruch) {
    const int przed = ruch.ile;
    const double zyskPrzed = ruch.zysk;
    for (const int t2 : {okno.Nast(t1), okno.Poprz(t1)})
        if (okno.Moje(t2))
            KrokTrzyOpt(
                d, sasiedzi, okno, t1, t2, 0.0, ruch, [](int, int, bool) { return true; },
                [](double, int, const std::array<std::array<int, 4>, 3>&, int) {});
    return ruch.ile != przed || ruch.zysk != zyskPrzed;
}
