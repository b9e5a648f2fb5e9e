#include "search/lokalne/PrzeszukiwanieLokalne.h"

#include "search/lokalne/KontekstLokalny.h"
#include "search/lokalne/LancuchyNiezalezne.h"
#include "search/lokalne/PodzialTrasy.h"
#include "search/lokalne/TrasaDokladnaMala.h"
#include "search/lokalne/TrasaKrzywej.h"
#include "search/lokalne/TrasaZachlanna.h"
#include "search/lokalne/WarunekKonca.h"

#include <algorithm>

PrzeszukiwanieLokalne::PrzeszukiwanieLokalne(const Metryka& d) : d_(d) {
    if (d.MaWspolrzedne()) {
        wspolrzedne_.reserve(std::size_t(d.Ilosc()));
        for (int i = 0; i < d.Ilosc(); ++i)
            wspolrzedne_.push_back({d.X()[std::size_t(i)], d.Y()[std::size_t(i)]});
    }
}

void PrzeszukiwanieLokalne::Szukaj(const UstawieniaLokalne& ustawienia, const std::function<bool()>& przerwij,
                                  const RunningClock* zegar) {
    RunningClock wlasnyZegar;
    if (!zegar) {
        wlasnyZegar.start();
        zegar = &wlasnyZegar;
    }
    UstawieniaLokalne u = ustawienia;
    u.watki = std::max(1, u.watki);
    const int n = d_.Ilosc();
    postep_.Zeruj();
    plan_ = u.plan ? *u.plan : PlanPrzeszukiwania::Dla(n);
    if (n <= NajwiecejMiastDokladnie) {
        Wynik(TrasaDokladnaMala(d_, n), zegar->seconds());
        return;
    }
    WarunekKonca warunek(przerwij, *zegar, u.limitSekund);
    const KontekstLokalny k{d_, sasiedzi_, plan_, u, postep_, warunek};
    const auto przerwijStart = [&warunek] { return warunek(); };

    // A route before anything slower starts: however soon the search must
    // end, it ends with one.
    std::vector<int> trasa = TrasaKrzywej(wspolrzedne_, n);
    k.Zglos(trasa);
    if (u.kandydaci)
        sasiedzi_ = *u.kandydaci;
    else if (!sasiedzi_.Zbuduj(d_, n, wspolrzedne_, plan_.sasiedzi, plan_.wCwiartce, przerwijStart)) {
        Wynik(std::move(trasa), warunek.Sekundy());
        return;
    }
    std::vector<int> zachlanna = TrasaZachlanna(sasiedzi_, n, [this](int a, int b) { return d_(a, b); }, przerwijStart);
    if (zachlanna.empty()) {
        Wynik(std::move(trasa), warunek.Sekundy());
        return;
    }
    trasa = std::move(zachlanna);
    k.Zglos(trasa);
    if (warunek()) {
        Wynik(std::move(trasa), warunek.Sekundy());
        return;
    }
    // A shared route needs stretches long enough for a kick each.
    if (plan_.podzialTrasy && u.watki > 1 && n >= 64 * u.watki)
        trasa = SzukajPodzialem(k, trasa);
    else
        trasa = SzukajLancuchami(k, trasa);
    Wynik(std::move(trasa), warunek.Sekundy());
}

void PrzeszukiwanieLokalne::Wynik(std::vector<int> trasa, double sekundy) {
    trasa_ = std::move(trasa);
    dlugosc_ = DlugoscZamknieta(d_, trasa_);
    postep_.Zglos(trasa_, dlugosc_, sekundy);
}
