#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <array>

// The best Or-opt move that starts at t1: the one to three cities from t1 on
// (in either direction) leave their place and go between two neighbouring
// cities elsewhere, turned round or not, next to a near city of either end.
// Improves on ruch only; returns whether it did.
template <MiaraOdleglosci D>
class SzukanieOrOpt;

template <MiaraOdleglosci D>
bool NajlepszyOrOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, int t1, Ruch& ruch) {
    return SzukanieOrOpt<D>(d, sasiedzi, okno, ruch).Szukaj(t1);
}

// NajlepszyOrOpt's search: each stretch from t1, and each place for it.
template <MiaraOdleglosci D>
class SzukanieOrOpt {
public:
    SzukanieOrOpt(const D& d, const SasiedziKandydaci& sasiedzi, const OknoTrasy& okno, Ruch& ruch)
        : d_(d), sasiedzi_(sasiedzi), okno_(okno), trasa_(okno.Trasa()), ruch_(ruch) {}

    bool Szukaj(int t1) {
        const int n = trasa_.Rozmiar();
        for (const bool naprzod : {true, false}) {
            naprzod_ = naprzod;
            p_ = poprz(t1);
            if (!okno_.Moje(p_))
                continue;
            s1_ = s2_ = t1;
            for (int dlugosc = 1; dlugosc <= 3 && dlugosc + 3 <= n; ++dlugosc) {
                if (dlugosc > 1) {
                    s2_ = nast(s2_);
                    if (!okno_.Moje(s2_))
                        break;
                }
                za_ = nast(s2_);
                if (za_ == p_ || !okno_.Moje(za_))
                    break;
                g0_ = double(d_(p_, s1_)) + double(d_(s2_, za_)) - double(d_(p_, za_));
                miejsca();
            }
        }
        return poprawiony_;
    }

private:
    // The places next to a near city of either end of the stretch s1..s2.
    // A neighbour's own neighbours are read only once it is ours: in a
    // stretch of a shared route, the rest belongs to another thread.
    void miejsca() {
        for (const auto& k : sasiedzi_.Dla(s1_)) {
            if (g0_ - k.odleglosc <= Ruch::MinimalnyZysk)
                break;
            if (!okno_.Moje(k.miasto))
                continue;
            wstaw(k.miasto, nast(k.miasto), false);
            if (s1_ != s2_)
                wstaw(poprz(k.miasto), k.miasto, true);
        }
        if (s1_ == s2_)
            return;
        for (const auto& k : sasiedzi_.Dla(s2_)) {
            if (g0_ - k.odleglosc <= Ruch::MinimalnyZysk)
                break;
            if (!okno_.Moje(k.miasto))
                continue;
            wstaw(poprz(k.miasto), k.miasto, false);
            wstaw(k.miasto, nast(k.miasto), true);
        }
    }

    // The stretch between x and y = nast(x): turned round it adds (x,s2)
    // and (s1,y), kept as it is (x,s1) and (s2,y).
    void wstaw(int x, int y, bool odwrocony) {
        if (!okno_.Moje(x) || !okno_.Moje(y) || wSegmencie(x) || wSegmencie(y))
            return;
        const double dodane =
            odwrocony ? double(d_(x, s2_)) + double(d_(s1_, y)) : double(d_(x, s1_)) + double(d_(s2_, y));
        const double zysk = g0_ + double(d_(x, y)) - dodane;
        if (zysk <= ruch_.zysk)
            return;
        std::array<std::array<int, 4>, 3> kroki{};
        int ile = 0;
        if (y == p_) {
            kroki[std::size_t(ile++)] = {x, p_, s2_, za_};
        } else {
            kroki[std::size_t(ile++)] = {p_, s1_, x, y};
            if (x != za_)
                kroki[std::size_t(ile++)] = {p_, x, za_, s2_};
        }
        if (!odwrocony && s1_ != s2_)
            kroki[std::size_t(ile++)] = {x, s2_, s1_, y};
        ruch_.Zapisz(zysk, kroki, ile);
        poprawiony_ = true;
    }

    bool wSegmencie(int c) const {
        for (int c1 = s1_;; c1 = nast(c1)) {
            if (c1 == c)
                return true;
            if (c1 == s2_)
                return false;
        }
    }
    int nast(int c) const { return naprzod_ ? trasa_.Nastepne(c) : trasa_.Poprzednie(c); }
    int poprz(int c) const { return naprzod_ ? trasa_.Poprzednie(c) : trasa_.Nastepne(c); }

    const D& d_;
    const SasiedziKandydaci& sasiedzi_;
    const OknoTrasy& okno_;
    const TrasaTablicowa& trasa_;
    Ruch& ruch_;
    bool poprawiony_ = false;
    // The direction, and the stretch s1..s2 with the cities before and
    // after it, p and za; g0 the gain of taking it out.
    bool naprzod_ = true;
    int p_ = 0, s1_ = 0, s2_ = 0, za_ = 0;
    double g0_ = 0.0;
};
