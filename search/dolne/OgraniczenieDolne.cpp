#include "search/dolne/OgraniczenieDolne.h"

#include "search/dolne/GrafKandydatow.h"
#include "search/dolne/PelneJednoDrzewo.h"
#include "search/dolne/Przenumerowanie.h"
#include "search/dolne/WartoscOgraniczenia.h"
#include "search/dolne/Wznoszenie.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/TrasaZachlanna.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

using Zegar = std::chrono::steady_clock;

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

} // namespace

bool OgraniczenieDolne::Jest() const {
    return std::isfinite(wartosc);
}

OgraniczenieDolne ObliczOgraniczenieDolne(const Metryka& d, const UstawieniaOgraniczenia& ustawienia,
                                          const std::function<bool()>& przerwij) {
    const std::function<double()>& zegar = ustawienia.zegar;
    const auto poczatek = Zegar::now();
    const double poczatekZegara = zegar ? zegar() : 0.0;
    const auto sekundy = [&] {
        return zegar ? zegar() - poczatekZegara
                     : std::chrono::duration<double>(Zegar::now() - poczatek).count();
    };
    const double limit = ustawienia.limitSekund;
    const int n = d.Ilosc();
    const PlanOgraniczenia plan = ustawienia.plan ? *ustawienia.plan : PlanOgraniczenia::Dla(n);

    OgraniczenieDolne wynik;
    wynik.wartosc = -std::numeric_limits<double>::infinity();
    if (n <= 3) {
        // One route only.
        std::vector<int> trasa(static_cast<std::size_t>(n));
        std::iota(trasa.begin(), trasa.end(), 0);
        wynik.wartosc = d.Dlugosc(trasa);
        wynik.kary.assign(std::size_t(n), 0.0);
        return wynik;
    }
    bool koniecCzasu = false;
    const auto stop = [&] {
        if (przerwij())
            return true;
        koniecCzasu = limit > 0.0 && sekundy() >= limit;
        return koniecCzasu;
    };
    const auto zakoncz = [&](bool przerwane) {
        wynik.przerwane = przerwane;
        wynik.sekundy = sekundy();
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
    const GrafKandydatow::Odleglosc odleglosc = [&](int a, int b) {
        return d(p.miasto[std::size_t(a)], p.miasto[std::size_t(b)]);
    };
    GrafKandydatow graf(listyKandydatow(sasiedzi, p, n <= plan.pelnyGrafDo), odleglosc);
    PelneJednoDrzewo pelne(d);

    // Checks penalties (in the renumbering) over every pair; keeps the
    // bound when better, and gives the graph the edges it missed.
    double czasKontroli = 0.0;
    std::vector<double> kary(static_cast<std::size_t>(n));
    std::vector<std::pair<int, int>> krawedzie;
    double sprawdzona = 0.0;
    const auto sprawdz = [&](const std::vector<double>& karyGrafu) {
        const double od = sekundy();
        for (int c = 0; c < n; ++c)
            kary[std::size_t(c)] = karyGrafu[std::size_t(p.numer[std::size_t(c)])];
        std::optional<JednoDrzewo> drzewo = pelne.Oblicz(kary, stop);
        if (!drzewo)
            return false;
        ++wynik.kontrole;
        krawedzie.clear();
        for (int c = 0; c < n; ++c)
            if (drzewo->rodzic[std::size_t(c)] >= 0)
                krawedzie.push_back({p.numer[std::size_t(c)], p.numer[std::size_t(drzewo->rodzic[std::size_t(c)])]});
        krawedzie.push_back({p.numer[std::size_t(drzewo->specjalne)], p.numer[std::size_t(drzewo->drugi)]});
        graf.Dodaj(krawedzie, odleglosc);
        sprawdzona = drzewo->Wartosc(d, kary);
        const double wartosc = BezpieczneOgraniczenie(d, *drzewo, kary);
        if (wartosc > wynik.wartosc) {
            wynik.wartosc = wartosc;
            wynik.kary = kary;
            wynik.drzewo = std::move(*drzewo);
        }
        czasKontroli = std::max(czasKontroli, sekundy() - od);
        return true;
    };
    if (!sprawdz(std::vector<double>(static_cast<std::size_t>(n), 0.0)))
        return zakoncz(true);

    double cel = 0.0;
    if (ustawienia.dlugoscTrasy) {
        cel = *ustawienia.dlugoscTrasy;
    } else {
        const std::vector<int> zachlanna =
            TrasaZachlanna(sasiedzi, n, [&d](int a, int b) { return d(a, b); }, stop);
        if (zachlanna.empty())
            return zakoncz(true);
        cel = d.Dlugosc(zachlanna);
    }

    Wznoszenie wznoszenie(graf, cel, std::vector<double>(static_cast<std::size_t>(n), 0.0), plan);
    if (plan.objetosc && limit <= 0.0)
        wznoszenie.PrzejdzNaObjetosc();
    // Steps between two checks of the best penalties: fewer while the
    // checks find the graph's bound too high (clustered cities, where the
    // penalties soon favour edges between clusters that the graph lacks),
    // more while they agree.
    int co = plan.kontrolaPoczatkowa;
    const double poczatekWznoszenia = sekundy();
    int doKontroli = co;
    double najlepszaSprawdzona = -std::numeric_limits<double>::infinity();
    bool przerwane = false;
    for (;;) {
        if (przerwij()) {
            przerwane = true;
            break;
        }
        if (limit > 0.0 && sekundy() + 2.0 * czasKontroli >= limit) {
            przerwane = true;
            break;
        }
        if (ustawienia.limitIteracji > 0 && wznoszenie.Iteracje() >= ustawienia.limitIteracji)
            break;
        if (!wznoszenie.Krok())
            break;
        wynik.iteracje = wznoszenie.Iteracje();
        if (--doKontroli > 0 || !(wznoszenie.Najlepsza() > najlepszaSprawdzona))
            continue;
        const double grafu = wznoszenie.Najlepsza();
        if (!sprawdz(wznoszenie.NajlepszeKary()))
            return zakoncz(true);
        const bool zgodne = sprawdzona >= grafu - plan.zgodnosc * std::fabs(grafu);
        wznoszenie.Popraw(sprawdzona);
        najlepszaSprawdzona = wznoszenie.Najlepsza();
        co = zgodne ? std::min(plan.kontrolaNajrzadziej, co * 2) : std::max(plan.kontrolaNajczesciej, co / 2);
        doKontroli = co;
        // With a time limit the step sizes are spread over the time left:
        // the longer each is tried, the closer the ascent gets, and time
        // left over at the end is wasted. Where the time holds enough steps
        // the averaged direction takes over (Wznoszenie::PrzejdzNaObjetosc).
        if (limit > 0.0) {
            const double naKrok = (sekundy() - poczatekWznoszenia) / wznoszenie.Iteracje();
            const double zostalo = limit - sekundy() - 2.0 * czasKontroli;
            const double razem = wznoszenie.Iteracje() + zostalo / naKrok;
            if (plan.objetosc && razem >= plan.krokowDlaObjetosci)
                wznoszenie.PrzejdzNaObjetosc();
            if (wznoszenie.Objetosc()) {
                wznoszenie.UstawCierpliwosc(int(std::clamp(razem / plan.krokowNaCierpliwosc,
                                                           double(plan.cierpliwosc), plan.cierpliwoscNajwieksza)));
            } else {
                const double krokow = zostalo / naKrok / wznoszenie.PozostalePolowienia();
                const double najwyzej = plan.cierpliwoscNaMiasto * double(n);
                wznoszenie.UstawCierpliwosc(std::max(plan.cierpliwosc, int(std::min(krokow, najwyzej))));
            }
        }
        // A bound that reaches the route proves it optimal.
        if (wynik.wartosc >= cel)
            break;
    }
    if (wznoszenie.Najlepsza() > najlepszaSprawdzona && !sprawdz(wznoszenie.NajlepszeKary()))
        return zakoncz(true);
    return zakoncz(przerwane || koniecCzasu);
}

