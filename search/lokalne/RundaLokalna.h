#pragma once

#include "search/BramkaKrokow.h"
#include "search/lokalne/KolejkaAktywnych.h"
#include "search/lokalne/KontekstLokalny.h"
#include "search/lokalne/KopniecieLokalne.h"
#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/OpisRundy.h"
#include "search/lokalne/ZejscieLokalne.h"

#include <array>
#include <optional>
#include <random>

enum class WynikRundy {
    // Made; zmiana says by how much the route changed (never upwards).
    Zrobiona,
    // The search must end: the round was taken back.
    Przerwana,
    // The view is too short for a kick.
    BezKopniecia,
};

// One round of the iterated local search: a kick of the plan's double
// bridges and the descent from the cities around them. Kept when the route
// got no longer, taken back otherwise; either way the route is left at a
// local optimum of the moves the view allows. d measures as k.d does (the
// kind's own type, ZOdlegloscia).
template <MiaraOdleglosci D>
WynikRundy RundaLokalna(const KontekstLokalny& k, const D& d, OknoTrasy& okno, KolejkaAktywnych& kolejka,
                        std::mt19937_64& los, double& zmiana) {
    zmiana = 0.0;
    const std::size_t znacznik = okno.Znacznik();
    BramkaKrokow* const kroki = k.ustawienia.kroki;
    std::vector<int> przed;
    if (kroki)
        przed = okno.Trasa().Kolejnosc();
    double przyrost = 0.0;
    for (int i = 0; i < k.plan.kopniecWRundzie; ++i) {
        double p = 0.0;
        std::array<int, 8> dotkniete{};
        if (!KopniecieLokalne(d, k.sasiedzi, okno, k.plan.najdluzszyOdcinek, k.plan.najwiekszaRozpietosc, los, p,
                              dotkniete)) {
            okno.Cofnij(znacznik);
            kolejka.Wyczysc();
            return WynikRundy::BezKopniecia;
        }
        przyrost += p;
        for (const int c : dotkniete)
            kolejka.Dodaj(c);
    }
    if (kroki) {
        OpisKroku kopniecie = OpisRundy(przed, okno.Trasa(), przyrost, true);
        kopniecie.rodzaj = OpisKroku::Rodzaj::Kopniecie;
        // Step mode runs one thread, whose route before a round is the best.
        kopniecie.najlepszaTrasa = przed;
        kroki->Krok(std::move(kopniecie));
    }
    bool przerwane = false;
    const double zysk = ZejscieLokalne(d, k.sasiedzi, okno, kolejka, k.plan, true, k.warunek, przerwane);
    if (przerwane) {
        okno.Cofnij(znacznik);
        kolejka.Wyczysc();
        return WynikRundy::Przerwana;
    }
    // Equal routes are kept too: the search drifts along plateaus instead of
    // kicking the same route again and again.
    const bool przyjeta = przyrost - zysk < 1e-9;
    std::optional<OpisKroku> opis;
    if (kroki)
        opis = OpisRundy(przed, okno.Trasa(), przyrost - zysk, przyjeta);
    if (przyjeta) {
        zmiana = przyrost - zysk;
        okno.ZapomnijDziennik();
    } else {
        okno.Cofnij(znacznik);
    }
    // A finish asked for here reaches the search at its next poll.
    if (opis) {
        opis->najlepszaTrasa = okno.Trasa().Kolejnosc();
        kroki->Krok(std::move(*opis));
    }
    return WynikRundy::Zrobiona;
}

// Descent from every city in the queue, no log kept; stops early when the
// search must end. The gain made.
template <MiaraOdleglosci D>
double ZejscieBezDziennika(const KontekstLokalny& k, const D& d, OknoTrasy& okno, KolejkaAktywnych& kolejka,
                           bool& przerwane) {
    return ZejscieLokalne(d, k.sasiedzi, okno, kolejka, k.plan, false, k.warunek, przerwane);
}
