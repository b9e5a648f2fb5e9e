#include "cli/OdpowiedzCli.h"

#include "search/ZestawMiast.h"
#include "search/sesja/WynikSesji.h"

namespace {

QString nazwa(MetodaSesji metoda) {
    switch (metoda) {
    case MetodaSesji::Losowo: return QStringLiteral("random");
    case MetodaSesji::Genetycznie: return QStringLiteral("genetic");
    case MetodaSesji::Lokalnie: return QStringLiteral("local");
    default: return QStringLiteral("exact");
    }
}

DlugoscCli dlugosc(double x, bool calkowita) {
    if (calkowita)
        return DlugoscCli{std::int64_t(x)};
    return DlugoscCli{x};
}

// A proof, even one cut short, says whether it proved its route; the other
// methods say so only of a route they proved.
TrasaCli trasa(const TrasaSesji& t, bool calkowita, bool dowod) {
    TrasaCli wynik;
    wynik.dlugosc = dlugosc(t.dlugosc, calkowita);
    if (t.udowodniona || dowod)
        wynik.udowodniona = t.udowodniona;
    wynik.doMilionowej = t.doMilionowej;
    if (!t.udowodniona && t.granica) {
        wynik.granica = dlugosc(*t.granica, calkowita);
        wynik.lukaProcent = t.lukaProcent;
    }
    return wynik;
}

} // namespace

WynikCli OdpowiedzCli(const WynikSesji& w, const ZestawMiast& miasta) {
    WynikCli wynik;
    const bool dowod = w.wezly.has_value();
    wynik.metoda = nazwa(w.metoda);
    wynik.miasta = miasta.Ilosc();
    for (int miasto : (w.najkrotsza ? w.najkrotsza : w.najdluzsza)->trasa)
        wynik.trasa.push_back(miasta.ids[std::size_t(miasto)]);
    if (w.najkrotsza)
        wynik.najkrotsza = trasa(*w.najkrotsza, w.calkowita, dowod);
    if (w.najdluzsza)
        wynik.najdluzsza = trasa(*w.najdluzsza, w.calkowita, dowod);
    wynik.sekundy = w.sekundy;
    wynik.trasy = w.trasy;
    wynik.rundy = w.rundy;
    wynik.wezly = w.wezly;
    wynik.przerwany = w.przerwany;
    return wynik;
}
