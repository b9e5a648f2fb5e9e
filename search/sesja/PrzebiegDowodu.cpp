#include "search/sesja/PrzebiegDowodu.h"

#include "search/ZestawMiast.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "search/dowod/ZasiegDowodu.h"
#include "search/sesja/GranicaBezpieczna.h"
#include "search/sesja/LukaProcent.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <tuple>

PrzebiegDowodu::PrzebiegDowodu(const ZestawMiast& miasta, const UstawieniaSesji& u, const PlanSesji& plan)
    : calkowita_(miasta.metryka.Calkowita()), tylkoGranica_(plan.tylkoGranica), n_(miasta.Ilosc()) {
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

// In the grid's cells branch and cut closes a node within a millionth of the
// route, so its bound is one only that far from the route; and the route's
// length is a single-precision sum.
double PrzebiegDowodu::granicaDowodu(double granica, double dlugosc, bool najdluzsza) const {
    if (!calkowita_) {
        const double zapas = dlugosc * TolerancjeDowodu::kDokladnoscKomorek;
        granica = najdluzsza ? std::max(granica, dlugosc + zapas) : std::min(granica, dlugosc - zapas);
    }
    return GranicaSumPojedynczych(granica, najdluzsza, n_, calkowita_);
}

void PrzebiegDowodu::Pokaz(MigawkaSesji& m) {
    MigawkaDowodu d;
    d.biezacy = watek_.Biezacy();
    for (CelDowodu cel : {CelDowodu::Najkrotsza, CelDowodu::Najdluzsza}) {
        PostepDowodu& p = watek_.Postep(cel);
        MigawkaCeluDowodu& c = d.cele[cel == CelDowodu::Najkrotsza ? 0 : 1];
        c.dlugosc = p.Dlugosc();
        c.granica = p.Granica();
        const bool najdluzsza = cel == CelDowodu::Najdluzsza;
        if (std::isfinite(c.granica) && std::isfinite(c.dlugosc))
            c.granica = granicaDowodu(c.granica, c.dlugosc, najdluzsza);
        c.udowodniona = p.Udowodniona();
        if (!c.udowodniona && std::isfinite(c.granica) && std::isfinite(c.dlugosc))
            c.lukaProcent = LukaProcent(c.dlugosc, c.granica, calkowita_);
        c.wezly = p.Wezly();
        c.otwarte = p.Otwarte();
        c.nierozwiazane = p.Nierozwiazane();
        c.ciecia = p.Ciecia();
        c.podcykleWLP = p.CieciaWLP(Ciecie::Rodzaj::Podcykl);
        c.kwiatyWLP = p.CieciaWLP(Ciecie::Rodzaj::Kwiat);
        c.grzebienieWLP = p.CieciaWLP(Ciecie::Rodzaj::Grzebien);
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
    t->doMilionowej = dowod.udowodniona && !calkowita_;
    t->certyfikat = dowod.certyfikat;
    t->bezCertyfikatu = dowod.bezCertyfikatu;
    if (!dowod.udowodniona && std::isfinite(dowod.granica))
        t->granica = granicaDowodu(dowod.granica, t->dlugosc, najdluzsza);
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
    najlepszeTrzymane(wynik);
    if (tylkoGranica_)
        return;
    for (const auto& [szukana, dowod, cel] : {std::tuple{bool(wynik.najkrotsza), &krotka, "shortest"},
                                              std::tuple{bool(wynik.najdluzsza), &dluga, "longest"}}) {
        if (!szukana || dowod->udowodniona || dowod->przerwana)
            continue;
        // Ended before branch and cut began, the local search's first route
        // took the whole time.
        if (dowod->powod == PowodKonca::LimitCzasu || dowod->powod == PowodKonca::Dowod)
            wynik.limitCzasu = true;
        else if (wynik.bezDowodu.isEmpty())
            wynik.bezDowodu = bezDowodu(*dowod, cel);
    }
}

QString PrzebiegDowodu::bezDowodu(const WynikDowodu& d, const char* cel) {
    const QString trasa = QLatin1String(cel);
    switch (d.powod) {
    case PowodKonca::BladLP:
        return QStringLiteral("Clp failed on %1 node(s) of the %2 route; their bounds count in the bound printed")
            .arg(d.nierozwiazane)
            .arg(trasa);
    case PowodKonca::Sprzecznosc:
        return QStringLiteral("an LP of the %1 route was infeasible with no ray to prove it (%2 node(s) left)")
            .arg(trasa)
            .arg(d.nierozwiazane);
    case PowodKonca::Numeryczny:
        return QStringLiteral("the %1 route's bound stopped short of it by less than the LP's numerical margin")
            .arg(trasa);
    default:
        return QStringLiteral("the %1 route's proof stopped (%2)").arg(trasa, QLatin1String(NazwaPowodu(d.powod)));
    }
}

// A proof cut short may hold, from the other goal's search, a route better
// for this goal than its own: the shortest answer is the shortest route
// held, the longest the longest. A proven route is the best there is, so
// it never gives way.
void PrzebiegDowodu::najlepszeTrzymane(WynikSesji& wynik) {
    const std::optional<TrasaSesji> krotka = wynik.najkrotsza;
    const std::optional<TrasaSesji> dluga = wynik.najdluzsza;
    if (!krotka || !dluga || krotka->trasa.empty() || dluga->trasa.empty())
        return;
    if (dluga->dlugosc < krotka->dlugosc && !krotka->udowodniona) {
        wynik.najkrotsza->trasa = dluga->trasa;
        wynik.najkrotsza->dlugosc = dluga->dlugosc;
    }
    if (krotka->dlugosc > dluga->dlugosc && !dluga->udowodniona) {
        wynik.najdluzsza->trasa = krotka->trasa;
        wynik.najdluzsza->dlugosc = krotka->dlugosc;
    }
}
