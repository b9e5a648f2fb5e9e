#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/RuchTrzyOpt.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

// A Lin-Kernighan move from t1 built of sequential 3-opt steps. When no
// single step from t1 shortens the route, the most promising 3-opt moves
// that leave a route are made on trial (szerokosc of them for each of t1's
// two edges, the best by the gain of the still open chain), and from the
// edge (t1,t6) each leaves the search goes on with another step, and so on
// for up to kroki steps. Every partial sum of the chain stays a gain, and an
// edge the chain added is never removed again nor a removed one added back.
// The first step that closes shorter than the start ends the move; a chain
// that finds none is taken back. Every exchange stays inside the view.
template <MiaraOdleglosci D>
class LinKernighan {
public:
    static constexpr int NajwiecejKrokow = 64;
    static constexpr int NajwiekszaSzerokosc = 5;

    LinKernighan(const D& d, const SasiedziKandydaci& sasiedzi, OknoTrasy& okno, int kroki,
                 std::array<int, 2> szerokosc, int sasiedziDalej = 0)
        : d_(d), sasiedzi_(sasiedzi), okno_(okno), kroki_(std::clamp(kroki, 0, NajwiecejKrokow)),
          sasiedziDalej_(sasiedziDalej),
          szerokosc_{std::clamp(szerokosc[0], 1, NajwiekszaSzerokosc),
                     std::clamp(szerokosc[1], 1, NajwiekszaSzerokosc)} {}

    // Makes the best single move around t1 if it gains more than ruch (a
    // move the caller found, or none), ruch itself otherwise, and failing
    // both a longer chain when one gains. Returns the gain made, 0 with the
    // route as it was.
    double Popraw(int t1, Ruch& ruch) {
        t1_ = t1;
        std::array<Ciagi, 2> ciagi{};
        const std::array<int, 2> t2{okno_.Nast(t1), okno_.Poprz(t1)};
        ileDotknietych_ = 0;
        for (int k = 0; k < 2; ++k) {
            if (!okno_.Moje(t2[std::size_t(k)]))
                continue;
            Ciagi& c = ciagi[std::size_t(k)];
            KrokTrzyOpt(d_, sasiedzi_, okno_, t1, t2[std::size_t(k)], 0.0, ruch, [](int, int, bool) { return true; },
                        [&](double g, int t6, const Kroki& kroki, int ile) {
                            c.Dodaj(g, t6, kroki, ile, szerokosc_[0]);
                        });
        }
        if (ruch.Znaleziony()) {
            ruch.Wykonaj(okno_);
            for (int i = 0; i < ruch.ile; ++i)
                dotknij(ruch.zamiany[std::size_t(i)]);
            return ruch.zysk;
        }
        if (kroki_ < 2)
            return 0.0;
        for (const Ciagi& c : ciagi)
            for (int i = 0; i < c.ile; ++i) {
                ileDotknietych_ = 0;
                zapomnijKrawedzie(0);
                if (const double zysk = sprobuj(c.ciagi[std::size_t(i)], 1); zysk > 0.0)
                    return zysk;
            }
        ileDotknietych_ = 0;
        return 0.0;
    }

    // The cities whose edges the last move changed.
    std::span<const int> Dotkniete() const { return {dotkniete_.data(), std::size_t(ileDotknietych_)}; }

private:
    using Kroki = std::array<std::array<int, 4>, 3>;
    struct Ciag {
        double g = 0.0;
        int t6 = 0;
        Kroki kroki{};
        int ile = 0;
    };
    // The best few by g, best first.
    struct Ciagi {
        std::array<Ciag, NajwiekszaSzerokosc> ciagi{};
        int ile = 0;
        void Dodaj(double g, int t6, const Kroki& kroki, int ileKrokow, int szerokosc) {
            int i = ile;
            if (i == szerokosc) {
                if (ciagi[std::size_t(i - 1)].g >= g)
                    return;
                --i;
            } else {
                ++ile;
            }
            for (; i > 0 && ciagi[std::size_t(i - 1)].g < g; --i)
                ciagi[std::size_t(i)] = ciagi[std::size_t(i - 1)];
            ciagi[std::size_t(i)] = {g, t6, kroki, ileKrokow};
        }
    };

    void dotknij(const std::array<int, 4>& z) {
        for (const int c : z)
            if (ileDotknietych_ < int(dotkniete_.size()))
                dotkniete_[std::size_t(ileDotknietych_++)] = c;
    }
    // The edges a step of a chain removes and adds, for the rules above.
    // Each exchange (a,b),(c,e) -> (a,c),(b,e); within a step an exchange
    // may take back an edge of the one before, so only what the whole step
    // changes is kept.
    void zapiszKrawedzie(const Kroki& kroki, int ile) {
        std::array<std::array<int, 3>, 12> krok{};
        int m = 0;
        const auto dodaj = [&](int a, int b, int znak) {
            if (a > b)
                std::swap(a, b);
            for (int i = 0; i < m; ++i)
                if (krok[std::size_t(i)][0] == a && krok[std::size_t(i)][1] == b) {
                    krok[std::size_t(i)][2] += znak;
                    return;
                }
            krok[std::size_t(m++)] = {a, b, znak};
        };
        for (int i = 0; i < ile; ++i) {
            const auto& z = kroki[std::size_t(i)];
            dodaj(z[0], z[1], -1);
            dodaj(z[2], z[3], -1);
            dodaj(z[0], z[2], 1);
            dodaj(z[1], z[3], 1);
        }
        for (int i = 0; i < m && ileKrawedzi_ < int(krawedzie_.size()); ++i)
            if (krok[std::size_t(i)][2] != 0) {
                krawedzie_[std::size_t(ileKrawedzi_++)] = krok[std::size_t(i)];
                ++wKrawedziach_[kubelek(krok[std::size_t(i)][0])];
                ++wKrawedziach_[kubelek(krok[std::size_t(i)][1])];
            }
    }
    // Back to the chain's first ile edges.
    void zapomnijKrawedzie(int ile) {
        for (; ileKrawedzi_ > ile; --ileKrawedzi_) {
            const auto& k = krawedzie_[std::size_t(ileKrawedzi_ - 1)];
            --wKrawedziach_[kubelek(k[0])];
            --wKrawedziach_[kubelek(k[1])];
        }
    }
    static std::size_t kubelek(int miasto) { return std::size_t(miasto) % kKubelkow; }
    // An edge may come in unless the chain took it out, and go unless the
    // chain brought it in.
    bool dozwolona(int a, int b, bool dodawana) const {
        if (wKrawedziach_[kubelek(a)] == 0 || wKrawedziach_[kubelek(b)] == 0)
            return true;
        if (a > b)
            std::swap(a, b);
        for (int i = ileKrawedzi_ - 1; i >= 0; --i) {
            const auto& k = krawedzie_[std::size_t(i)];
            if (k[0] == a && k[1] == b)
                return dodawana ? k[2] > 0 : k[2] < 0;
        }
        return true;
    }

    // Makes the krok-th step of a chain and searches on from its end: the
    // gain of the route when a later step closed it shorter, or 0 with the
    // route as it was before this step.
    double sprobuj(const Ciag& ciag, int krok) {
        const std::size_t znacznik = okno_.Znacznik();
        const int ileDotknietych = ileDotknietych_, ileKrawedzi = ileKrawedzi_;
        for (int i = 0; i < ciag.ile; ++i) {
            const auto& z = ciag.kroki[std::size_t(i)];
            okno_.Zamien(z[0], z[1], z[2], z[3]);
            dotknij(z);
        }
        if (krok < kroki_) {
            zapiszKrawedzie(ciag.kroki, ciag.ile);
            // The route now holds (t1,t6) and is this much shorter than at
            // the start (or longer, below zero).
            const double g = ciag.g - double(d_(ciag.t6, t1_));
            Ruch ruch;
            Ciagi nastepne;
            const int szerokosc = krok == 1 ? szerokosc_[1] : 1;
            KrokTrzyOpt(
                d_, sasiedzi_, okno_, t1_, ciag.t6, g, ruch,
                [this](int a, int b, bool dodawana) { return dozwolona(a, b, dodawana); },
                [&](double gOtwarty, int t6, const Kroki& kroki, int ile) {
                    nastepne.Dodaj(gOtwarty, t6, kroki, ile, szerokosc);
                },
                sasiedziDalej_);
            if (ruch.Znaleziony()) {
                ruch.Wykonaj(okno_);
                for (int i = 0; i < ruch.ile; ++i)
                    dotknij(ruch.zamiany[std::size_t(i)]);
                return ruch.zysk;
            }
            for (int i = 0; i < nastepne.ile; ++i)
                if (const double zysk = sprobuj(nastepne.ciagi[std::size_t(i)], krok + 1); zysk > 0.0)
                    return zysk;
        }
        okno_.Cofnij(znacznik);
        ileDotknietych_ = ileDotknietych;
        zapomnijKrawedzie(ileKrawedzi);
        return 0.0;
    }

    const D& d_;
    const SasiedziKandydaci& sasiedzi_;
    OknoTrasy& okno_;
    int kroki_;
    int sasiedziDalej_;
    std::array<int, 2> szerokosc_;
    int t1_ = 0;
    std::array<int, 12 * NajwiecejKrokow> dotkniete_{};
    int ileDotknietych_ = 0;
    std::array<std::array<int, 3>, 12 * NajwiecejKrokow> krawedzie_{};
    int ileKrawedzi_ = 0;
    // How many of those edges end in each bucket of cities: most pairs a
    // step asks about have an end in an empty bucket, and are allowed
    // without a look at the edges.
    static constexpr std::size_t kKubelkow = 1024;
    std::array<std::uint16_t, kKubelkow> wKrawedziach_{};
};
