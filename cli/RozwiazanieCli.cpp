#include "cli/RozwiazanieCli.h"

#include "cli/MiastaCli.h"
#include "cli/WejscieCli.h"
#include "cli/WyjatkiCli.h"
#include "search/genetyczne/CGenetyk.h"
#include "search/TablicaZMetryki.h"
#include "search/permutacje/PokrycieTras.h"
#include "search/permutacje/TObliczThread.h"
#include "toolkit/core/HoldableThread.h"
#include "toolkit/core/UserError.h"

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
    bool przerwany = false;
};

bool jestTrasa(const std::vector<int>& trasa, int n) {
    if (int(trasa.size()) != n)
        return false;
    std::vector<bool> byla(std::size_t(n), false);
    for (int miasto : trasa) {
        if (miasto < 0 || miasto >= n || byla[std::size_t(miasto)])
            return false;
        byla[std::size_t(miasto)] = true;
    }
    return true;
}

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
    // Length 0 marks a best route not yet chosen.
    if (genetyk.Najlepszy().Droga > 0.0 && jestTrasa(genetyk.Najlepszy().Geny, n)) {
        odpowiedz.trasa = genetyk.Najlepszy().Geny;
        odpowiedz.dlugosc = genetyk.DlugoscTrasy(genetyk.Najlepszy());
    }
    return odpowiedz;
}

Odpowiedz permutacjamiLubLosowo(const ZadanieCli& zadanie, const OdleglosciSlot& odleglosci, int n,
                                const std::atomic<bool>& przerwano,
                                const std::function<void(const QString&)>& postep) {
    TObliczThread watek;
    watek.Odleglosci = &odleglosci;
    watek.IloscMiast = n;
    const bool dokladna = zadanie.metoda == ZadanieCli::Metoda::Dokladna;
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
    if (jestTrasa(watek.NajlepszaTrasa, n)) {
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

} // namespace

WynikCli RozwiazanieCli::Uruchom(const std::atomic<bool>& przerwano,
                                 const std::function<void(const QString&)>& postep) {
    InstancjaTsp instancja = WczytajWejscie(zadanie_.plik, przerwano);
    // In the window's cells they are numbered as the window numbers them,
    // so that the lengths and the routes are the ones it shows.
    const MiastaCli miasta = zadanie_.metrykaSiatki ? MiastaCli::NaSiatce(instancja, zadanie_.plik, true)
                                                    : MiastaCli::WMetrycePliku(std::move(instancja));
    const int n = miasta.metryka.Ilosc();

    // Every method here reads the n x n table.
    const std::uint64_t budzet = memoryBudget();
    if (RozmiarTablicy(n) > double(budzet))
        throw UserError(QStringLiteral("--method ") + ZadanieCli::NazwaMetody(zadanie_.metoda)
                        + QStringLiteral(": a table of %1 x %2 distances (%3 GiB) does not fit in memory")
                              .arg(n)
                              .arg(n)
                              .arg(RozmiarTablicy(n) / double(1 << 30), 0, 'f', 1));
    // Tens of thousands of cities take seconds here.
    const OdleglosciSlot odleglosci = TablicaZMetryki(miasta.metryka, budzet, [&] { return przerwano.load(); });
    if (!odleglosci)
        throw PrzerwanoBezTrasy{};

    QElapsedTimer zegar;
    zegar.start();
    const Odpowiedz odpowiedz = zadanie_.metoda == ZadanieCli::Metoda::Genetyczna
                                    ? genetycznie(zadanie_, odleglosci, n, przerwano, postep)
                                    : permutacjamiLubLosowo(zadanie_, odleglosci, n, przerwano, postep);
    if (odpowiedz.trasa.empty()) {
        if (odpowiedz.przerwany)
            throw PrzerwanoBezTrasy{};
        // A worker that failed (out of memory) ends without a route; once
        // workers report their failure, its reason belongs in this message.
        throw BladWyszukiwania(QStringLiteral("the search ended without a route"));
    }

    WynikCli wynik;
    wynik.metoda = ZadanieCli::NazwaMetody(zadanie_.metoda);
    wynik.miasta = n;
    for (int miasto : odpowiedz.trasa)
        wynik.trasa.push_back(miasta.ids[std::size_t(miasto)]);
    // The search measured in single precision; the route is measured again
    // in the metric itself, exactly. In the cells the figures stay the ones
    // each method shows in the window.
    if (miasta.metryka.Calkowita()) {
        wynik.dlugosc.wartosc = miasta.metryka.DlugoscCalkowita(odpowiedz.trasa);
        if (odpowiedz.najdluzsza)
            wynik.najdluzsza = DlugoscCli{std::int64_t(std::llround(*odpowiedz.najdluzsza))};
    } else {
        wynik.dlugosc.wartosc = odpowiedz.dlugosc;
        if (odpowiedz.najdluzsza)
            wynik.najdluzsza = DlugoscCli{*odpowiedz.najdluzsza};
    }
    wynik.sekundy = double(zegar.nsecsElapsed()) * 1e-9;
    wynik.trasy = odpowiedz.trasy;
    wynik.przerwany = odpowiedz.przerwany;
    return wynik;
}
