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

} // namespace

WynikCli OdpowiedzCli(const WynikSesji& w, const ZestawMiast& miasta) {
    WynikCli wynik;
    const bool calkowita = w.calkowita;
    // A proof, even one cut short, says whether it proved its route.
    const bool dowod = w.wezly.has_value();
    wynik.metoda = nazwa(w.metoda);
    wynik.miasta = miasta.Ilosc();
    const TrasaSesji& krotka = *w.najkrotsza;
    for (int miasto : krotka.trasa)
        wynik.trasa.push_back(miasta.ids[std::size_t(miasto)]);
    wynik.dlugosc = dlugosc(krotka.dlugosc, calkowita);
    if (krotka.udowodniona || dowod)
        wynik.udowodniona = krotka.udowodniona;
    if (!krotka.udowodniona && krotka.granica) {
        wynik.dolnaGranica = dlugosc(*krotka.granica, calkowita);
        wynik.lukaProcent = krotka.lukaProcent;
    }
    if (w.najdluzsza) {
        const TrasaSesji& dluga = *w.najdluzsza;
        wynik.najdluzsza = dlugosc(dluga.dlugosc, calkowita);
        if (dluga.udowodniona || dowod)
            wynik.najdluzszaUdowodniona = dluga.udowodniona;
        if (!dluga.udowodniona && dluga.granica) {
            wynik.najdluzszaCoNajwyzej = dlugosc(*dluga.granica, calkowita);
            wynik.lukaNajdluzszejProcent = dluga.lukaProcent;
        }
    }
    wynik.optimumCoNajmniej = w.optimumCoNajmniej;
    wynik.sekundy = w.sekundy;
    wynik.trasy = w.trasy;
    wynik.rundy = w.rundy;
    wynik.wezly = w.wezly;
    wynik.przerwany = w.przerwany;
    return wynik;
}
