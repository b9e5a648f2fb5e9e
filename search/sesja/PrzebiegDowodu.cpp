#include "search/sesja/PrzebiegDowodu.h"

#include "search/ZestawMiast.h"
#include "search/dowod/ZasiegDowodu.h"
#include "search/sesja/LukaProcent.h"

#include <QDateTime>

#include <cmath>

double GranicaWydruku(double granica, bool gorna, bool calkowita) {
    const double skala = calkowita ? 1.0 : 1e4;
    return (gorna ? std::ceil(granica * skala) : std::floor(granica * skala)) / skala;
}

PrzebiegDowodu::PrzebiegDowodu(const ZestawMiast& miasta, const UstawieniaSesji& u, const PlanSesji& plan)
    : calkowita_(miasta.metryka.Calkowita()), tylkoGranica_(plan.tylkoGranica) {
    watek_.UstawMiasta(miasta.metryka);
    watek_.Najkrotsza = plan.najkrotsza;
    watek_.Najdluzsza = plan.najdluzsza;
    UstawieniaDowodu& d = watek_.Ustawienia;
    d.limitSekund = plan.limitSekund;
    d.rundy = u.rundy;
    if (plan.tylkoGranica) {
        // The local search's route is the answer unless branch and cut
        // betters it: it gets most of the time, with no round limit unless
        // one is given.
        d.rundy = u.rundy.value_or(-1);
        d.czescCzasuTrasy = kAutoCzescTrasy;
    }
    d.ziarno = u.ziarno.value_or(std::uint32_t(QDateTime::currentSecsSinceEpoch()));
    d.watki = u.watki;
    d.certyfikat = u.certyfikat;
}

void PrzebiegDowodu::Pokaz(MigawkaSesji& m) {
    MigawkaDowodu d;
    d.biezacy = watek_.Biezacy();
    for (CelDowodu cel : {CelDowodu::Najkrotsza, CelDowodu::Najdluzsza}) {
        PostepDowodu& p = watek_.Postep(cel);
        MigawkaCeluDowodu& c = d.cele[cel == CelDowodu::Najkrotsza ? 0 : 1];
        c.dlugosc = p.Dlugosc();
        c.granica = p.Granica();
        c.udowodniona = p.Udowodniona();
        const bool najdluzsza = cel == CelDowodu::Najdluzsza;
        if (!c.udowodniona && std::isfinite(c.granica) && std::isfinite(c.dlugosc))
            c.lukaProcent = LukaProcent(c.dlugosc, GranicaWydruku(c.granica, najdluzsza, calkowita_), calkowita_);
        c.wezly = p.Wezly();
        c.otwarte = p.Otwarte();
        c.ciecia = p.Ciecia();
        c.historia = p.Historia();
        if (p.WezRozwiazanie())
            c.rozwiazanie = p.Rozwiazanie().krawedzie;
        if (p.WezTrase())
            c.trasa = p.Trasa().trasa;
    }
    m.metoda = std::move(d);
}

std::optional<TrasaSesji> PrzebiegDowodu::trasa(const ZestawMiast& miasta, const WynikDowodu& dowod,
                                                bool najdluzsza) const {
    std::optional<TrasaSesji> t = ZmierzTrase(miasta, dowod.trasa);
    if (!t)
        return t;
    t->udowodniona = dowod.udowodniona;
    t->certyfikat = dowod.certyfikat;
    t->bezCertyfikatu = dowod.bezCertyfikatu;
    if (!dowod.udowodniona && std::isfinite(dowod.granica))
        t->granica = GranicaWydruku(dowod.granica, najdluzsza, calkowita_);
    return t;
}

void PrzebiegDowodu::Wynik(const ZestawMiast& miasta, bool /*przerwany*/, WynikSesji& wynik) {
    wynik.metoda = MetodaSesji::Dowod;
    const WynikDowodu& krotka = watek_.Wynik(CelDowodu::Najkrotsza);
    const WynikDowodu& dluga = watek_.Wynik(CelDowodu::Najdluzsza);
    long long wezly = 0;
    if (watek_.Najkrotsza) {
        wynik.najkrotsza = trasa(miasta, krotka, false);
        wezly += krotka.wezly;
        // The local search's route stands unless branch and cut found a
        // shorter one.
        if (tylkoGranica_ && krotka.dlugosc == krotka.dlugoscPoczatkowa)
            wynik.metoda = MetodaSesji::Lokalnie;
    }
    // A finish while the shortest route was proven ended it there: the
    // longest was never searched for.
    if (watek_.Najdluzsza && !(watek_.Najkrotsza && krotka.przerwana)) {
        wynik.najdluzsza = trasa(miasta, dluga, true);
        wezly += dluga.wezly;
    }
    wynik.wezly = wezly;
}
