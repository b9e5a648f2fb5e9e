#include "search/dolne/OgraniczenieDolne.h"

#include "search/dolne/GrafKandydatow.h"
#include "search/dolne/KontrolaWznoszenia.h"
#include "search/dolne/Przenumerowanie.h"
#include "search/dolne/Wznoszenie.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/TrasaZachlanna.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

using Zegar = std::chrono::steady_clock;

// The clock of one computation, its time limit and the test whether to stop.
class Przebieg {
public:
    Przebieg(const UstawieniaOgraniczenia& u, const std::function<bool()>& przerwij)
        : zegar_(u.zegar), przerwij_(przerwij), limit_(u.limitSekund), poczatek_(Zegar::now()),
          poczatekZegara_(zegar_ ? zegar_() : 0.0) {}

    double Sekundy() const {
        return zegar_ ? zegar_() - poczatekZegara_ : std::chrono::duration<double>(Zegar::now() - poczatek_).count();
    }
    double Limit() const { return limit_; }
    bool Przerwij() const { return przerwij_(); }
    // przerwij said so, or the time limit has passed.
    bool Stop() {
        if (przerwij_())
            return true;
        koniecCzasu_ = limit_ > 0.0 && Sekundy() >= limit_;
        return koniecCzasu_;
    }
    bool KoniecCzasu() const { return koniecCzasu_; }

private:
    const std::function<double()>& zegar_;
    const std::function<bool()>& przerwij_;
    double limit_;
    Zegar::time_point poczatek_;
    double poczatekZegara_;
    bool koniecCzasu_ = false;
};

enum class KoniecWznoszenia { Zbiezne, Przerwane, PrzerwanaKontrola };

// Each city's candidates, both in the renumbering.
std::vector<std::vector<int>> listyKandydatow(const SasiedziKandydaci& sasiedzi, const Przenumerowanie& p,
                                              bool pelny) {
    const int n = int(p.miasto.size());
    std::vector<std::vector<int>> listy(static_cast<std::size_t>(n));
    for (int a = 0; a < n; ++a) {
        std::vector<int>& lista = listy[std::size_t(p.numer[std::size_t(a)])];
        if (pelny) {
            for (int b = 0; b < n; ++b)
                if (b != a)
                    lista.push_back(p.numer[std::size_t(b)]);
        } else {
            for (const auto& s : sasiedzi.Dla(a))
                lista.push_back(p.numer[std::size_t(s.miasto)]);
        }
    }
    return listy;
}

OgraniczenieDolne jednaTrasa(const Metryka& d) {
    const int n = d.Ilosc();
    std::vector<int> trasa(static_cast<std::size_t>(n));
    std::iota(trasa.begin(), trasa.end(), 0);
    OgraniczenieDolne wynik;
    wynik.wartosc = d.Dlugosc(trasa);
    wynik.kary.assign(std::size_t(n), 0.0);
    return wynik;
}

// The ascent's target: the known route's length, or else a greedy route's;
// none when stopped first.
std::optional<double> celWznoszenia(const Metryka& d, const SasiedziKandydaci& sasiedzi,
                                    const UstawieniaOgraniczenia& ustawienia, const std::function<bool()>& stop) {
    if (ustawienia.dlugoscTrasy)
        return *ustawienia.dlugoscTrasy;
    const std::vector<int> zachlanna =
        TrasaZachlanna(sasiedzi, d.Ilosc(), [&d](int a, int b) { return d(a, b); }, stop);
    if (zachlanna.empty())
        return std::nullopt;
    return d.Dlugosc(zachlanna);
}

// The ascent's steps, its best penalties checked now and then, until it is
// over, a bound reaches the target or the time left is what the longest
// check took, twice.
KoniecWznoszenia wznos(Wznoszenie& wznoszenie, KontrolaWznoszenia& kontrola, Przebieg& przebieg,
                       const UstawieniaOgraniczenia& ustawienia, double cel, OgraniczenieDolne& wynik) {
    const double limit = przebieg.Limit();
    const double poczatek = przebieg.Sekundy();
    const std::function<bool()> stop = [&przebieg] { return przebieg.Stop(); };
    for (;;) {
        if (przebieg.Przerwij())
            return KoniecWznoszenia::Przerwane;
        if (limit > 0.0 && przebieg.Sekundy() + 2.0 * kontrola.NajdluzszaKontrola() >= limit)
            return KoniecWznoszenia::Przerwane;
        if (ustawienia.limitIteracji > 0 && wznoszenie.Iteracje() >= ustawienia.limitIteracji)
            return KoniecWznoszenia::Zbiezne;
        if (!wznoszenie.Krok())
            return KoniecWznoszenia::Zbiezne;
        wynik.iteracje = wznoszenie.Iteracje();
        if (!kontrola.Pora(wznoszenie))
            continue;
        if (!kontrola.SprawdzWznoszenie(wznoszenie, stop, wynik))
            return KoniecWznoszenia::PrzerwanaKontrola;
        if (limit > 0.0) {
            const double naKrok = (przebieg.Sekundy() - poczatek) / wznoszenie.Iteracje();
            wznoszenie.RozlozNaCzas(naKrok, limit - przebieg.Sekundy() - 2.0 * kontrola.NajdluzszaKontrola());
        }
        // A bound that reaches the route proves it optimal.
        if (wynik.wartosc >= cel)
            return KoniecWznoszenia::Zbiezne;
    }
}

} // namespace

bool OgraniczenieDolne::Jest() const {
    return std::isfinite(wartosc);
}

OgraniczenieDolne ObliczOgraniczenieDolne(const Metryka& d, const UstawieniaOgraniczenia& ustawienia,
                                          const std::function<bool()>& przerwij) {
    Przebieg przebieg(ustawienia, przerwij);
    const int n = d.Ilosc();
    const PlanOgraniczenia plan = ustawienia.plan ? *ustawienia.plan : PlanOgraniczenia::Dla(n);
    if (n <= 3)
        return jednaTrasa(d);
    OgraniczenieDolne wynik;
    wynik.wartosc = -std::numeric_limits<double>::infinity();
    const std::function<bool()> stop = [&przebieg] { return przebieg.Stop(); };
    const auto zakoncz = [&](bool przerwane) {
        wynik.przerwane = przerwane;
        wynik.sekundy = przebieg.Sekundy();
        return std::move(wynik);
    };

    std::vector<PunktPlaszczyzny> wspolrzedne;
    if (d.MaWspolrzedne())
        for (int c = 0; c < n; ++c)
            wspolrzedne.push_back({d.X()[std::size_t(c)], d.Y()[std::size_t(c)]});
    SasiedziKandydaci sasiedzi;
    if (!sasiedzi.Zbuduj(d, n, wspolrzedne, plan.sasiedzi, plan.wCwiartce, stop))
        return zakoncz(true);
    // The ascent works in the renumbering; the checks and the answer in
    // the cities' own numbers.
    const Przenumerowanie p(d);
    GrafKandydatow graf(listyKandydatow(sasiedzi, p, n <= plan.pelnyGrafDo),
                        [&](int a, int b) { return p.Odleglosc(d, a, b); });
    KontrolaWznoszenia kontrola(d, p, graf, plan, [&przebieg] { return przebieg.Sekundy(); });
    const std::vector<double> zera(static_cast<std::size_t>(n), 0.0);
    if (!kontrola.Sprawdz(zera, stop, wynik))
        return zakoncz(true);
    const std::optional<double> cel = celWznoszenia(d, sasiedzi, ustawienia, stop);
    if (!cel)
        return zakoncz(true);

    Wznoszenie wznoszenie(graf, *cel, zera, plan);
    if (plan.objetosc && ustawienia.limitSekund <= 0.0)
        wznoszenie.PrzejdzNaObjetosc();
    const KoniecWznoszenia koniec = wznos(wznoszenie, kontrola, przebieg, ustawienia, *cel, wynik);
    if (koniec == KoniecWznoszenia::PrzerwanaKontrola)
        return zakoncz(true);
    if (kontrola.Niesprawdzone(wznoszenie) && !kontrola.Sprawdz(wznoszenie.NajlepszeKary(), stop, wynik))
        return zakoncz(true);
    return zakoncz(koniec == KoniecWznoszenia::Przerwane || przebieg.KoniecCzasu());
}
