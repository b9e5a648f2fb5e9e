#include "search/dowod/DowodOptymalnosci.h"

#include "search/JestTrasa.h"
#include "search/dowod/SzukanieObok.h"
#include "search/dowod/TrasaNajdluzsza.h"
#include "search/dowod/WagiKrawedzi.h"
#include "search/dowod/ZapisCertyfikatu.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Below this the first route is nearly always optimal and the proof takes
// less than the second search's set-up.
constexpr int kSzukanieObokOd = 100;

std::vector<int> pierwszaTrasa(const Metryka& d, CelDowodu cel, const UstawieniaDowodu& u,
                               const std::function<bool()>& przerwij, const RunningClock& zegar) {
    const int n = d.Ilosc();
    UstawieniaLokalne lokalne;
    lokalne.limitRund = u.rundy.value_or(u.rundyNaMiasto * n);
    lokalne.ziarno = u.ziarno;
    lokalne.watki = u.watki;
    if (u.limitSekund > 0.0) {
        const double teraz = zegar.seconds();
        lokalne.limitSekund = teraz + std::max(0.0, u.limitSekund - teraz) * u.czescCzasuTrasy;
    }
    if (cel == CelDowodu::Najdluzsza)
        return TrasaNajdluzsza(d, lokalne, przerwij, &zegar);
    PrzeszukiwanieLokalne szukanie(d);
    szukanie.Szukaj(lokalne, przerwij, &zegar);
    return szukanie.Trasa();
}

void certyfikuj(WynikDowodu& wynik, const ZapisCertyfikatu& zapis, const Metryka& d, CelDowodu cel) {
    if (!wynik.udowodniona) {
        wynik.bezCertyfikatu = QStringLiteral("the proof did not finish");
        return;
    }
    ZapisCertyfikatu::Sekcja s = zapis.Utworz(
        wynik.trasa, d, cel == CelDowodu::Najkrotsza ? CelCertyfikatu::Najkrotsza : CelCertyfikatu::Najdluzsza);
    if (s.sekcja)
        wynik.certyfikat = std::make_shared<const SekcjaCertyfikatu>(std::move(*s.sekcja));
    else
        wynik.bezCertyfikatu = s.blad;
}

} // namespace

WynikDowodu Udowodnij(const Metryka& d, CelDowodu cel, const UstawieniaDowodu& ustawienia,
                      const std::function<bool()>& przerwij, const RunningClock& zegar, PostepDowodu* postep,
                      std::optional<std::vector<int>> trasa) {
    const int n = d.Ilosc();
    WynikDowodu wynik;
    if (!trasa || !JestTrasa(*trasa, n))
        trasa = pierwszaTrasa(d, cel, ustawienia, przerwij, zegar);
    if (!JestTrasa(*trasa, n)) {
        trasa->resize(std::size_t(n));
        std::iota(trasa->begin(), trasa->end(), 0);
    }
    wynik.sekundyTrasy = zegar.seconds();
    wynik.dlugoscPoczatkowa = d.Dlugosc(*trasa);
    ZapisCertyfikatu zapis(n);
    if (n <= 3) {
        wynik.trasa = std::move(*trasa);
        wynik.dlugosc = wynik.granica = wynik.granicaKorzenia = d.Dlugosc(wynik.trasa);
        wynik.udowodniona = true;
        if (ustawienia.certyfikat)
            certyfikuj(wynik, zapis, d, cel);
        wynik.sekundy = zegar.seconds();
        if (postep) {
            postep->ZglosTrase(wynik.trasa, wynik.dlugosc, wynik.sekundy);
            postep->ZglosGranice(wynik.granica, wynik.sekundy);
            postep->Udowodniono();
        }
        return wynik;
    }
    const WagiKrawedzi w(d, cel);
    PodzialIOdciecia podzial(w, postep);
    UstawieniaPodzialu u = ustawienia.podzial;
    u.limitSekund = ustawienia.limitSekund;
    if (ustawienia.certyfikat)
        u.swiadek = &zapis;
    std::optional<SzukanieObok> obok;
    if (cel == CelDowodu::Najkrotsza && ustawienia.watki > 1 && !u.kroki && n >= kSzukanieObokOd) {
        obok.emplace(d, ustawienia.ziarno + 1, ustawienia.limitSekund, przerwij, zegar);
        u.trasyObok = [&obok] { return obok->Wez(); };
    }
    const WynikPodzialu p = podzial.Rozwiaz(std::move(*trasa), u, przerwij, zegar);
    obok.reset();
    const double znak = cel == CelDowodu::Najkrotsza ? 1.0 : -1.0;
    // From city 0, as the other searches give their routes.
    wynik.trasa = p.trasa;
    std::rotate(wynik.trasa.begin(), std::find(wynik.trasa.begin(), wynik.trasa.end(), 0), wynik.trasa.end());
    wynik.dlugosc = d.Dlugosc(wynik.trasa);
    wynik.udowodniona = p.udowodniona;
    wynik.granica = p.udowodniona ? wynik.dlugosc : double(znak * p.granica);
    wynik.wezly = p.wezly;
    wynik.ciecia = p.ciecia;
    wynik.granicaKorzenia =
        double(znak * (w.Calkowite() ? std::ceil(p.granicaKorzenia) : p.granicaKorzenia));
    wynik.sekundyKorzenia = p.sekundyKorzenia;
    if (ustawienia.certyfikat)
        certyfikuj(wynik, zapis, d, cel);
    wynik.sekundy = zegar.seconds();
    wynik.przerwana = p.przerwana;
    wynik.powod = p.powod;
    wynik.nierozwiazane = p.nierozwiazane;
    wynik.cieciaRodzaju = p.cieciaRodzaju;
    return wynik;
}
