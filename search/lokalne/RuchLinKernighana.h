#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

// A Lin-Kernighan step from t1: a chain of 2-opt exchanges made on the route
// one after another. Edge (t1,t2) goes and (t2,t3) comes for a near t3; of
// t3's edges the one whose removal leaves a route, (t3,t4), goes, and (t4,t1)
// closes the route: the exchange is made, and the chain goes on from t4 as
// the new t2. Every partial sum must stay a gain, an edge the chain added is
// never removed again nor a removed one added back. The first levels try
// several t3 (szerokosc), the deeper ones only the best; the chain ends at
// glebokosc exchanges or when no t3 is left, and the route is taken back to
// the shortest it passed through. Reaches moves of any depth that 3-opt
// cannot; every exchange stays inside the view (all its cities Moje()).
template <MiaraOdleglosci D>
class LinKernighan {
public:
    static constexpr int NajwiekszaGlebokosc = 64;

    LinKernighan(const D& d, const SasiedziKandydaci& sasiedzi, OknoTrasy& okno, int glebokosc,
                 std::array<int, 3> szerokosc)
        : d_(d), sasiedzi_(sasiedzi), okno_(okno), glebokosc_(std::clamp(glebokosc, 1, NajwiekszaGlebokosc)),
          szerokosc_(szerokosc) {}

    // The gain of the move made from t1, or 0 with the route as it was.
    double Popraw(int t1) {
        t1_ = t1;
        for (const int t2 : {okno_.Nast(t1), okno_.Poprz(t1)}) {
            if (!okno_.Moje(t2))
                continue;
            const std::size_t poczatek = okno_.Znacznik();
            najlepszy_ = Ruch::MinimalnyZysk;
            ileNajlepszego_ = 0;
            lancuch_[0] = t2;
            ile_ = 1;
            if (glebiej(1, t2, double(d_(t1, t2)))) {
                okno_.Cofnij(znacznikNajlepszego_);
                return najlepszy_;
            }
            okno_.Cofnij(poczatek);
        }
        ileNajlepszego_ = 0;
        return 0.0;
    }

    // The cities besides t1 whose edges the last move changed.
    std::span<const int> Dotkniete() const { return {lancuch_.data(), std::size_t(ileNajlepszego_)}; }

private:
    struct Kandydat {
        int t3 = 0;
        int t4 = 0;
        double g1 = 0.0;
        double ocena = 0.0;
    };

    // The chain so far: t2, then t3 and t4 of each exchange. Added edges are
    // (t2,t3) of each level, removed ones (t1,t2) and each (t3,t4).
    bool dodana(int a, int b) const {
        for (int i = 0; i + 1 < ile_; i += 2) {
            const int t2 = lancuch_[std::size_t(i)], t3 = lancuch_[std::size_t(i + 1)];
            if ((t2 == a && t3 == b) || (t2 == b && t3 == a))
                return true;
        }
        return false;
    }
    bool usunieta(int a, int b) const {
        if ((a == t1_ && b == lancuch_[0]) || (b == t1_ && a == lancuch_[0]))
            return true;
        for (int i = 1; i + 1 < ile_; i += 2) {
            const int t3 = lancuch_[std::size_t(i)], t4 = lancuch_[std::size_t(i + 1)];
            if ((t3 == a && t4 == b) || (t3 == b && t4 == a))
                return true;
        }
        return false;
    }

    // The route holds edge (t1,t2); g is the gain of the open chain with it
    // removed. True once a shorter route was found on this branch.
    bool glebiej(int poziom, int t2, double g) {
        if (poziom > glebokosc_)
            return false;
        const int szerokosc = std::max(1, szerokosc_[std::size_t(std::min(poziom, 3) - 1)]);
        // t4 lies on t2's side of t3, so that (t4,t1) closes a route.
        const bool naprzod = okno_.Nast(t1_) == t2;
        std::array<Kandydat, 8> kandydaci{};
        int ile = 0;
        for (const auto& k : sasiedzi_.Dla(t2)) {
            const double g1 = g - k.odleglosc;
            if (g1 <= Ruch::MinimalnyZysk)
                break;
            const int t3 = k.miasto;
            if (t3 == t1_ || !okno_.Moje(t3) || t3 == okno_.Nast(t2) || t3 == okno_.Poprz(t2))
                continue;
            const int t4 = naprzod ? okno_.Poprz(t3) : okno_.Nast(t3);
            if (!okno_.Moje(t4) || dodana(t3, t4) || usunieta(t2, t3))
                continue;
            const Kandydat nowy{t3, t4, g1, double(d_(t3, t4)) - k.odleglosc};
            // Kept sorted, best first, at most szerokosc of them.
            int i = std::min(ile, szerokosc);
            if (i == szerokosc && (i == 0 || kandydaci[std::size_t(i - 1)].ocena >= nowy.ocena))
                continue;
            if (i == szerokosc)
                --i;
            else
                ++ile;
            while (i > 0 && kandydaci[std::size_t(i - 1)].ocena < nowy.ocena) {
                kandydaci[std::size_t(i)] = kandydaci[std::size_t(i - 1)];
                --i;
            }
            kandydaci[std::size_t(i)] = nowy;
        }
        for (int k = 0; k < ile; ++k) {
            const Kandydat& c = kandydaci[std::size_t(k)];
            const std::size_t znacznik = okno_.Znacznik();
            okno_.Zamien(t1_, t2, c.t4, c.t3);
            lancuch_[std::size_t(ile_)] = c.t3;
            lancuch_[std::size_t(ile_ + 1)] = c.t4;
            ile_ += 2;
            const double g2 = c.g1 + double(d_(c.t3, c.t4));
            const double zamkniety = g2 - double(d_(c.t4, t1_));
            if (zamkniety > najlepszy_) {
                najlepszy_ = zamkniety;
                znacznikNajlepszego_ = okno_.Znacznik();
                ileNajlepszego_ = ile_;
            }
            glebiej(poziom + 1, c.t4, g2);
            if (ileNajlepszego_ > 0)
                return true;
            okno_.Cofnij(znacznik);
            ile_ -= 2;
        }
        return false;
    }

    const D& d_;
    const SasiedziKandydaci& sasiedzi_;
    OknoTrasy& okno_;
    int glebokosc_;
    std::array<int, 3> szerokosc_;
    int t1_ = 0;
    double najlepszy_ = 0.0;
    std::size_t znacznikNajlepszego_ = 0;
    int ileNajlepszego_ = 0;
    std::array<int, 2 * NajwiekszaGlebokosc + 1> lancuch_{};
    int ile_ = 0;
};
