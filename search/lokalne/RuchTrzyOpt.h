#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <array>
#include <span>

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
class SzukanieTrzyOpt;

template <MiaraOdleglosci D, class Dozwolona, class Dalej>
void KrokTrzyOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, int t1, int t2, double g,
                 Ruch& ruch, Dozwolona&& dozwolona, Dalej&& dalej, int ile = 0) {
    SzukanieTrzyOpt<D, Dozwolona, Dalej>(d, sasiedzi, okno, t1, t2, ruch, dozwolona, dalej, ile).Szukaj(g);
}

// KrokTrzyOpt's search from one edge (t1,t2): the steps to t4, and from
// each t4 those to t6.
template <MiaraOdleglosci D, class Dozwolona, class Dalej>
class SzukanieTrzyOpt {
public:
    using Kroki = std::array<std::array<int, 4>, 3>;

    SzukanieTrzyOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, int t1, int t2,
                    Ruch& ruch, Dozwolona& dozwolona, Dalej& dalej, int ile)
        : d_(d), sasiedzi_(sasiedzi), okno_(okno), trasa_(okno.Trasa()), n_(trasa_.Rozmiar()), t1_(t1), t2_(t2),
          naprzod_(trasa_.Nastepne(t1) == t2), p2_(trasa_.Pozycja(t2)), ruch_(ruch), dozwolona_(dozwolona),
          dalej_(dalej), ile_(ile) {}

    void Szukaj(double g) {
        const double g0 = g + double(d_(t1_, t2_));
        for (const auto& k3 : kandydaci(t2_)) {
            const int t3 = k3.miasto;
            const double g1 = g0 - k3.odleglosc;
            if (g1 <= Ruch::MinimalnyZysk)
                break;
            if (t3 == t1_ || !okno_.Moje(t3) || !dozwolona_(t2_, t3, true))
                continue;
            for (const bool dwaOpt : {true, false}) {
                // t4 before t3: the 2-opt move closes; t4 after t3: only a
                // third exchange makes a cycle again.
                const int t4 = dwaOpt ? poprz(t3) : nast(t3);
                if (t4 == t2_ || !okno_.Moje(t4) || !dozwolona_(t3, t4, false))
                    continue;
                const double g2otwarte = g1 + double(d_(t3, t4));
                if (dwaOpt) {
                    const double zysk = g2otwarte - double(d_(t4, t1_));
                    if (zysk > ruch_.zysk)
                        ruch_.Zapisz(zysk, {{{t1_, t2_, t4, t3}}}, 1);
                }
                trzecia(t3, t4, dwaOpt, g2otwarte);
            }
        }
    }

private:
    // (t4,t5) comes for a near t5, (t5,t6) goes and (t6,t1) closes.
    void trzecia(int t3, int t4, bool dwaOpt, double g2otwarte) {
        const int r3 = od2(t3);
        const int r4 = dwaOpt ? r3 - 1 : r3 + 1;
        for (const auto& k5 : kandydaci(t4)) {
            const int t5 = k5.miasto;
            const double g2 = g2otwarte - k5.odleglosc;
            if (g2 <= Ruch::MinimalnyZysk)
                break;
            if (t5 == t3 || t5 == t1_ || !okno_.Moje(t5) || !dozwolona_(t4, t5, true))
                continue;
            const int r5 = od2(t5);
            if (dwaOpt) {
                // After the 2-opt move t2..t4 runs backwards.
                const int t6 = r5 <= r4 ? nast(t5) : poprz(t5);
                if (t6 == t4 || t6 == t1_ || !okno_.Moje(t6) || !dozwolona_(t5, t6, false))
                    continue;
                zamknij(g2 + double(d_(t5, t6)), t6, {{{t1_, t2_, t4, t3}, {t1_, t4, t6, t5}}}, 2);
                continue;
            }
            // t5 must lie on the cycle t2..t3 closed by (t2,t3).
            if (r5 > r3)
                continue;
            const int t6n = nast(t5);
            // Segments t2..t5 and t6..t3 change places.
            if (okno_.Moje(t6n) && dozwolona_(t5, t6n, false))
                zamknij(g2 + double(d_(t5, t6n)), t6n, {{{t1_, t2_, t3, t4}, {t1_, t3, t6n, t5}, {t3, t5, t2_, t4}}},
                        3);
            if (t5 != t2_) {
                // Segments t2..t6 and t5..t3 each turn round.
                const int t6p = poprz(t5);
                if (okno_.Moje(t6p) && dozwolona_(t5, t6p, false))
                    zamknij(g2 + double(d_(t5, t6p)), t6p, {{{t1_, t2_, t6p, t5}, {t2_, t5, t3, t4}}}, 2);
            }
        }
    }

    void zamknij(double gOtwarty, int t6, const Kroki& kroki, int ileKrokow) {
        const double zysk = gOtwarty - double(d_(t6, t1_));
        if (zysk > ruch_.zysk)
            ruch_.Zapisz(zysk, kroki, ileKrokow);
        if (t6 != t2_)
            dalej_(gOtwarty, t6, kroki, ileKrokow);
    }

    std::span<const SasiedziKandydaci::Sasiad> kandydaci(int c) const {
        const auto lista = sasiedzi_.Dla(c);
        return ile_ > 0 && std::size_t(ile_) < lista.size() ? lista.first(std::size_t(ile_)) : lista;
    }
    int nast(int c) const { return naprzod_ ? trasa_.Nastepne(c) : trasa_.Poprzednie(c); }
    int poprz(int c) const { return naprzod_ ? trasa_.Poprzednie(c) : trasa_.Nastepne(c); }
    // Steps from t2 in this direction: orders the cities t2 .. t1.
    int od2(int c) const {
        const int r = naprzod_ ? trasa_.Pozycja(c) - p2_ : p2_ - trasa_.Pozycja(c);
        return r < 0 ? r + n_ : r;
    }

    const D& d_;
    const SasiedziKandydaci& sasiedzi_;
    const OknoTrasy& okno_;
    const TrasaTablicowa& trasa_;
    const int n_;
    const int t1_;
    const int t2_;
    const bool naprzod_;
    const int p2_;
    Ruch& ruch_;
    Dozwolona& dozwolona_;
    Dalej& dalej_;
    const int ile_;
};

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
