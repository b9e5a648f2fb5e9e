#include "cli/RozwiazanieCli.h"

#include "cli/WejscieCli.h"
#include "cli/WyjatkiCli.h"
#include "search/JestTrasa.h"
#include "search/TablicaZMetryki.h"
#include "search/dolne/GranicaTrasy.h"
#include "search/dolne/LukaDoOptimum.h"
#include "search/dowod/TDowodThread.h"
#include "search/dowod/ZasiegDowodu.h"
#include "search/genetyczne/CGenetyk.h"
#include "search/lokalne/TObliczLokalnieThread.h"
#include "search/permutacje/OptimumCoNajmniej.h"
#include "search/permutacje/PokrycieTras.h"
#include "search/permutacje/TObliczThread.h"
#include "search/permutacje/ZasiegiPrzegladu.h"
#include "storage/PlikZestawu.h"
#include "toolkit/core/HoldableThread.h"
#include "toolkit/core/UserError.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// What a search leaves behind: its best route, when it reached a complete
// one, with the length of exactly that route.
struct Odpowiedz {
    std::vector<int> trasa;
    double dlugosc = 0.0;
    std::optional<double> najdluzsza;
    QString trasy;
    std::optional<long long> rundy;
    bool przerwany = false;
    // Branch and cut's answers.
    std::optional<WynikDowodu> dowod;
    std::optional<WynikDowodu> dowodNajdluzszej;
};

QString dziesietnie(Liczba128 x) {
    QString cyfry;
    do {
        cyfry.prepend(QChar('0' + int(x % 10)));
        x /= 10;
    } while (x != 0);
    return cyfry;
}

// Polls the interruption flag and the progress every 100 ms until the
// worker's body has ended; the loop also serves the worker's synchronous
// calls onto this thread.
void czekaj(HoldableThread& watek, const std::atomic<bool>& przerwano, const std::function<void()>& pokaz) {
    QEventLoop petla;
    QTimer zegar;
    QObject::connect(&watek, &QThread::finished, &petla, &QEventLoop::quit);
    QObject::connect(&zegar, &QTimer::timeout, &petla, [&] {
        if (przerwano.load())
            watek.requestFinish();
        if (pokaz)
            pokaz();
        if (watek.hasEnded())
            petla.quit();
    });
    zegar.start(100);
    if (przerwano.load())
        watek.requestFinish();
    watek.release();
    if (!watek.hasEnded())
        petla.exec();
    watek.waitForEnd();
}

Odpowiedz genetycznie(const ZadanieCli& zadanie, const OdleglosciSlot& odleglosci, int n,
                      const std::atomic<bool>& przerwano, const std::function<void(const QString&)>& postep) {
    CGenetyk genetyk;
    genetyk.Odleglosci = &odleglosci;
    try {
        // Built on the search thread, where Ctrl+C stops even a population
        // of millions part way.
        genetyk.ZamowRozmiar(zadanie.populacja, n);
    } catch (const UserError&) {
        throw UserError(QStringLiteral("--population ") + QString::number(zadanie.populacja)
                        + QStringLiteral(": too large for memory"));
    }
    genetyk.PKrzyzowania = zadanie.krzyzowanie;
    genetyk.PMutacji = zadanie.mutacja;
    genetyk.IlePokolen = zadanie.pokolenia;
    genetyk.Ziarno = zadanie.ziarno;
    czekaj(genetyk, przerwano, [&] {
        if (!postep || !genetyk.NowyStan())
            return;
        const StanGenetyka& stan = genetyk.OdebranyStan();
        // The first state is the initial population's: generation 0.
        postep(QStringLiteral("generation ") + QString::number(stan.Zbieznosc.IlePokolen() - 1)
               + QStringLiteral(" of ") + QString::number(stan.IlePokolen));
    });
    if (const std::optional<QString> blad = genetyk.failure())
        throw BladWyszukiwania(*blad);
    while (genetyk.NowyStan()) {
    }
    Odpowiedz odpowiedz;
    odpowiedz.przerwany = genetyk.finishRequested();
    const SeriaZbieznosci& zbieznosc = genetyk.OdebranyStan().Zbieznosc;
    if (!zbieznosc.Pusta())
        odpowiedz.trasy = QString::number(zbieznosc.IlePokolen() * qint64(zadanie.populacja));
    if (genetyk.MaNajlepszy() && JestTrasa(genetyk.Najlepszy().Geny, n)) {
        odpowiedz.trasa = genetyk.Najlepszy().Geny;
        odpowiedz.dlugosc = genetyk.DlugoscTrasy(genetyk.Najlepszy());
    }
    return odpowiedz;
}

Odpowiedz permutacjamiLubLosowo(const ZadanieCli& zadanie, ZadanieCli::Metoda metoda, const OdleglosciSlot& odleglosci, int n,
                                const std::atomic<bool>& przerwano,
                                const std::function<void(const QString&)>& postep) {
    TObliczThread watek;
    watek.Odleglosci = &odleglosci;
    watek.IloscMiast = n;
    const bool dokladna = metoda == ZadanieCli::Metoda::Dokladna;
    if (!dokladna) {
        watek.IleLosowan = zadanie.losowania;
        watek.Ziarno = zadanie.ziarno;
    }
    watek.Tryb = dokladna ? TrybObliczen::Permutacje : TrybObliczen::Losowo;
    czekaj(watek, przerwano, [&] {
        if (!postep)
            return;
        if (!dokladna)
            postep(QString::number(watek.NrLosowania.load()) + QStringLiteral(" of ")
                   + QString::number(watek.IleLosowan) + QStringLiteral(" routes"));
        else if (const std::optional<int> procent = watek.ProcentPermutacji())
            postep(QString::number(*procent) + QStringLiteral(" %"));
    });
    if (const std::optional<QString> blad = watek.failure())
        throw BladWyszukiwania(*blad);
    Odpowiedz odpowiedz;
    odpowiedz.przerwany = watek.finishRequested();
    if (JestTrasa(watek.NajlepszaTrasa, n)) {
        odpowiedz.trasa = watek.NajlepszaTrasa;
        odpowiedz.dlugosc = watek.DlugoscTrasy(odpowiedz.trasa.data());
    }
    if (!dokladna) {
        // The identity route is evaluated too.
        odpowiedz.trasy = QString::number(qint64(watek.NrLosowania.load()) + 1);
    } else if (!odpowiedz.przerwany) {
        // Only a search that saw every route knows the longest.
        odpowiedz.najdluzsza = watek.NajdluzszaDroga;
        // (n-1)! wraps past 128 bits from 36 cities on.
        odpowiedz.trasy = n <= 35 ? dziesietnie(Silnia(n - 1)) : QString::number(std::tgamma(double(n)), 'g', 17);
    }
    return odpowiedz;
}

// The local search: no table, distances computed from the metric as needed.
Odpowiedz lokalnie(const ZadanieCli& zadanie, const Metryka& metryka, const std::atomic<bool>& przerwano,
                   const std::function<void(const QString&)>& postep) {
    TObliczLokalnieThread watek;
    watek.UstawMiasta(metryka);
    watek.Ustawienia.limitSekund = zadanie.limitSekund;
    watek.Ustawienia.limitRund = zadanie.rundy.value_or(-1);
    watek.Ustawienia.ziarno = zadanie.ziarno.value_or(std::uint32_t(QDateTime::currentSecsSinceEpoch()));
    czekaj(watek, przerwano, [&] {
        const PostepPrzeszukiwania* p = watek.Postep();
        if (!postep || !p || !std::isfinite(p->NajlepszaDlugosc()))
            return;
        postep(QStringLiteral("round ") + QString::number(p->Rundy()) + QStringLiteral(", best ")
               + QString::number(p->NajlepszaDlugosc(), 'f', metryka.Calkowita() ? 0 : 4));
    });
    if (const std::optional<QString> blad = watek.failure())
        throw BladWyszukiwania(*blad);
    Odpowiedz odpowiedz;
    odpowiedz.przerwany = watek.finishRequested();
    if (watek.Zakonczony && JestTrasa(watek.NajlepszaTrasa, metryka.Ilosc())) {
        odpowiedz.trasa = watek.NajlepszaTrasa;
        odpowiedz.dlugosc = watek.Dlugosc;
    }
    odpowiedz.rundy = watek.Postep()->Rundy();
    return odpowiedz;
}

// The lower bound beside a heuristic's route, aimed at that route's length;
// Ctrl+C ends it with the best bound so far.
void ograniczenie(const Metryka& metryka, double limitSekund, const std::atomic<bool>& przerwano,
                  const std::function<void(const QString&)>& postep, WynikCli& wynik) {
    if (postep)
        postep(QStringLiteral("lower bound"));
    RunningClock zegar;
    zegar.start();
    const std::optional<double> granica = GranicaTrasy(metryka, wynik.trasa, wynik.dlugosc.Liczba(), limitSekund,
                                                       [&] { return przerwano.load(); }, zegar);
    if (!granica)
        return;
    const double dolne = *granica;
    if (metryka.Calkowita()) {
        wynik.dolnaGranica = DlugoscCli{std::int64_t(dolne)};
    } else {
        // Printed with four decimals: cut down to them, never rounded up.
        wynik.dolnaGranica = DlugoscCli{std::floor(dolne * 1e4) / 1e4};
    }
    wynik.lukaProcent = LukaCoNajwyzej(wynik.dlugosc.Liczba(), wynik.dolnaGranica->Liczba(), metryka.Calkowita());
}

// Branch and cut for the shortest route and, when asked, the longest; with
// no limit (0) it runs until both are proven.
// With tylkoGranica, the local search has most of the time (no round limit
// unless given) and branch and cut the rest, for a lower bound on its route.
Odpowiedz dowodem(const ZadanieCli& zadanie, const Metryka& metryka, bool najdluzsza, double limitSekund,
                  bool tylkoGranica, const std::atomic<bool>& przerwano,
                  const std::function<void(const QString&)>& postep) {
    TDowodThread watek;
    watek.UstawMiasta(metryka);
    watek.Najdluzsza = najdluzsza;
    watek.Ustawienia.limitSekund = limitSekund;
    watek.Ustawienia.rundy = zadanie.rundy;
    if (tylkoGranica) {
        watek.Ustawienia.rundy = zadanie.rundy.value_or(-1);
        watek.Ustawienia.czescCzasuTrasy = kAutoCzescTrasy;
    }
    watek.Ustawienia.ziarno = zadanie.ziarno.value_or(std::uint32_t(QDateTime::currentSecsSinceEpoch()));
    const int miejsca = metryka.Calkowita() ? 0 : 4;
    czekaj(watek, przerwano, [&] {
        const CelDowodu cel = watek.Biezacy();
        const PostepDowodu& p = watek.Postep(cel);
        if (!postep || std::isnan(p.Dlugosc()))
            return;
        QString linia = (cel == CelDowodu::Najkrotsza ? QStringLiteral("shortest ") : QStringLiteral("longest "))
                        + QString::number(p.Dlugosc(), 'f', miejsca);
        if (!std::isnan(p.Granica()))
            linia += (cel == CelDowodu::Najkrotsza ? QStringLiteral(", at least ") : QStringLiteral(", at most "))
                     + QString::number(p.Granica(), 'f', miejsca);
        postep(linia + QStringLiteral(", nodes ") + QString::number(p.Wezly()));
    });
    if (const std::optional<QString> blad = watek.failure())
        throw BladWyszukiwania(*blad);
    Odpowiedz odpowiedz;
    odpowiedz.przerwany = watek.finishRequested();
    if (watek.Zakonczony && JestTrasa(watek.WynikNajkrotszej.trasa, metryka.Ilosc())) {
        odpowiedz.trasa = watek.WynikNajkrotszej.trasa;
        odpowiedz.dlugosc = watek.WynikNajkrotszej.dlugosc;
        odpowiedz.dowod = watek.WynikNajkrotszej;
        if (najdluzsza)
            odpowiedz.dowodNajdluzszej = watek.WynikNajdluzszej;
    }
    return odpowiedz;
}

// How far a route may be from the best, in per cent of the bound (of the
// longest route's bound), rounded up: none where the bound is not positive.
std::optional<double> lukaProcent(double trasa, double granica, bool najdluzsza) {
    const double luka = najdluzsza ? (granica - trasa) / granica : (trasa - granica) / granica;
    if (!(granica > 0.0) || !std::isfinite(luka))
        return std::nullopt;
    return std::ceil(std::max(0.0, luka) * 100.0 * 100.0 * (1.0 + 1e-12)) / 100.0;
}

// A bound as printed: whole in the file's metrics (it is whole there), in
// the cells to four decimals rounded the safe way.
DlugoscCli granicaCli(const Metryka& metryka, double granica, bool wGore) {
    if (metryka.Calkowita())
        return DlugoscCli{std::int64_t(std::llround(granica))};
    const double skala = 1e4;
    return DlugoscCli{(wGore ? std::ceil(granica * skala) : std::floor(granica * skala)) / skala};
}

} // namespace

WynikCli RozwiazanieCli::Uruchom(const std::atomic<bool>& przerwano, const std::function<void(const QString&)>& postep,
                                 const std::function<void(const QString&)>& uwaga) {
    InstancjaTsp instancja = WczytajWejscie(zadanie_.plik, przerwano);
    // In the window's cells they are numbered as the window numbers them,
    // so that the lengths and the routes are the ones it shows.
    const ZestawMiast miasta = zadanie_.metrykaSiatki ? PlikZestawu::NaSiatce(instancja, zadanie_.plik, true)
                                                    : PlikZestawu::ZInstancji(std::move(instancja));
    const int n = miasta.metryka.Ilosc();

    ZadanieCli::Metoda metoda = zadanie_.metoda;
    // Past the permutation search's reach, the exact method is branch and
    // cut, and auto tries it within the time limit; past kAutoDowodDo auto
    // takes only a bound from it, after the local search, and only where
    // the time is limited.
    const bool automatyczna = metoda == ZadanieCli::Metoda::Automatyczna;
    const bool tylkoGranica = automatyczna && n > kAutoDowodDo && n <= kDowodNajwiecejMiast
                              && zadanie_.limitSekund > 0.0;
    const bool dowod = n > kPrzegladKonczySieDo
                       && (metoda == ZadanieCli::Metoda::Dokladna || (automatyczna && n <= kAutoDowodDo)
                           || tylkoGranica);
    if (metoda == ZadanieCli::Metoda::Automatyczna)
        metoda = n <= kPrzegladKonczySieDo ? ZadanieCli::Metoda::Dokladna : ZadanieCli::Metoda::Lokalna;
    if (dowod && n > kDowodNajwiecejMiast)
        throw UserError(QStringLiteral("--method exact: branch and cut takes at most %1 cities, not %2 "
                                       "(--method local gives a good route)")
                            .arg(kDowodNajwiecejMiast)
                            .arg(n));
    if (dowod && zadanie_.metoda == ZadanieCli::Metoda::Dokladna && uwaga)
        uwaga(QStringLiteral("note: past %1 cities the exact method is branch and cut, which may not finish on "
                             "%2 cities (Ctrl+C prints the best routes so far with their bounds; --time-limit "
                             "stops it)")
                  .arg(kPrzegladKonczySieDo)
                  .arg(n));

    QElapsedTimer zegar;
    Odpowiedz odpowiedz;
    OdleglosciSlot odleglosci;
    if (dowod) {
        zegar.start();
        const bool dokladna = zadanie_.metoda == ZadanieCli::Metoda::Dokladna;
        odpowiedz = dowodem(zadanie_, miasta.metryka, dokladna,
                            dokladna && !zadanie_.limitPodany ? 0.0 : zadanie_.limitSekund, tylkoGranica, przerwano,
                            postep);
        // The route printed is the local search's unless branch and cut
        // found a better one.
        if (!dokladna && odpowiedz.dowod && odpowiedz.dowod->dlugosc != odpowiedz.dowod->dlugoscPoczatkowa)
            metoda = ZadanieCli::Metoda::Dokladna;
    } else if (metoda == ZadanieCli::Metoda::Lokalna) {
        zegar.start();
        odpowiedz = lokalnie(zadanie_, miasta.metryka, przerwano, postep);
    } else {
        // These methods read the n x n table.
        const std::uint64_t budzet = memoryBudget();
        if (RozmiarTablicy(n) > double(budzet))
            throw UserError(QStringLiteral("--method ") + ZadanieCli::NazwaMetody(metoda)
                            + QStringLiteral(": a table of %1 x %2 distances (%3 GiB) does not fit in memory")
                                  .arg(n)
                                  .arg(n)
                                  .arg(RozmiarTablicy(n) / double(1 << 30), 0, 'f', 1));
        // Tens of thousands of cities take seconds here.
        odleglosci = TablicaZMetryki(miasta.metryka, budzet, [&] { return przerwano.load(); });
        if (!odleglosci)
            throw PrzerwanoBezTrasy{};
        zegar.start();
        odpowiedz = metoda == ZadanieCli::Metoda::Genetyczna
                        ? genetycznie(zadanie_, odleglosci, n, przerwano, postep)
                        : permutacjamiLubLosowo(zadanie_, metoda, odleglosci, n, przerwano, postep);
    }
    if (odpowiedz.trasa.empty()) {
        if (odpowiedz.przerwany)
            throw PrzerwanoBezTrasy{};
        throw BladWyszukiwania(QStringLiteral("the search ended without a route"));
    }

    WynikCli wynik;
    wynik.metoda = ZadanieCli::NazwaMetody(metoda);
    wynik.miasta = n;
    for (int miasto : odpowiedz.trasa)
        wynik.trasa.push_back(miasta.ids[std::size_t(miasto)]);
    // The search measured in single precision; the route is measured again
    // in the metric itself, exactly. In the cells the figures stay the ones
    // each method shows in the window.
    if (miasta.metryka.Calkowita()) {
        const std::int64_t dlugosc = miasta.metryka.DlugoscCalkowita(odpowiedz.trasa);
        wynik.dlugosc.wartosc = dlugosc;
        std::optional<std::int64_t> dolna;
        if (!dowod && metoda == ZadanieCli::Metoda::Dokladna && !odpowiedz.przerwany)
            dolna = OptimumCoNajmniej(*odleglosci, n, dlugosc);
        if (dolna) {
            // The sums rounded: the route is the best in single precision,
            // not certainly in whole numbers, and the longest is only the
            // rounded figure of a route not printed.
            wynik.optimumCoNajmniej = *dolna;
            if (uwaga)
                uwaga(QStringLiteral("note: sums of these distances pass 2^24, where single precision rounds; "
                                     "the optimum is at least %1")
                          .arg(*dolna));
        } else if (odpowiedz.najdluzsza) {
            wynik.najdluzsza = DlugoscCli{std::int64_t(std::llround(*odpowiedz.najdluzsza))};
        }
    } else {
        wynik.dlugosc.wartosc = odpowiedz.dlugosc;
        if (odpowiedz.najdluzsza)
            wynik.najdluzsza = DlugoscCli{*odpowiedz.najdluzsza};
    }
    if (odpowiedz.dowod) {
        const WynikDowodu& d = *odpowiedz.dowod;
        wynik.udowodniona = d.udowodniona;
        wynik.wezly = d.wezly;
        if (!d.udowodniona && std::isfinite(d.granica)) {
            wynik.dolnaGranica = granicaCli(miasta.metryka, d.granica, false);
            wynik.lukaProcent = lukaProcent(wynik.dlugosc.Liczba(), wynik.dolnaGranica->Liczba(), false);
        }
    } else if (!dowod && metoda == ZadanieCli::Metoda::Dokladna && !odpowiedz.przerwany && !wynik.optimumCoNajmniej) {
        wynik.udowodniona = true;
        if (wynik.najdluzsza)
            wynik.najdluzszaUdowodniona = true;
    }
    if (odpowiedz.dowodNajdluzszej && !odpowiedz.dowodNajdluzszej->trasa.empty()) {
        const WynikDowodu& d = *odpowiedz.dowodNajdluzszej;
        wynik.najdluzsza = miasta.metryka.Calkowita()
                               ? DlugoscCli{miasta.metryka.DlugoscCalkowita(d.trasa)}
                               : DlugoscCli{d.dlugosc};
        wynik.najdluzszaUdowodniona = d.udowodniona;
        *wynik.wezly += d.wezly;
        if (!d.udowodniona && std::isfinite(d.granica)) {
            wynik.najdluzszaCoNajwyzej = granicaCli(miasta.metryka, d.granica, true);
            wynik.lukaNajdluzszejProcent =
                lukaProcent(wynik.najdluzsza->Liczba(), wynik.najdluzszaCoNajwyzej->Liczba(), true);
        }
    }
    wynik.sekundy = double(zegar.nsecsElapsed()) * 1e-9;
    wynik.trasy = odpowiedz.trasy;
    wynik.rundy = odpowiedz.rundy;
    wynik.przerwany = odpowiedz.przerwany;
    // The exact method's finished route is the optimum, and branch and cut
    // brings its own bound: nothing to add.
    if (!dowod && metoda != ZadanieCli::Metoda::Dokladna && zadanie_.limitOgraniczenia > 0.0 && !przerwano.load()) {
        ograniczenie(miasta.metryka, zadanie_.limitOgraniczenia, przerwano, postep, wynik);
        wynik.przerwany = wynik.przerwany || przerwano.load();
    }
    return wynik;
}
