#include "cli/RozwiazanieCli.h"

#include "cli/OdpowiedzCli.h"
#include "cli/PostepCli.h"
#include "cli/WejscieCli.h"
#include "cli/WyjatkiCli.h"
#include "search/ZestawMiast.h"
#include "search/sesja/CertyfikatSesji.h"
#include "search/sesja/Przeszkoda.h"
#include "search/sesja/SesjaSzukania.h"
#include "storage/PlikZestawu.h"
#include "toolkit/core/UserError.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// Polls the interruption flag and shows the progress every 100 ms until the
// session has ended.
void czekaj(SesjaSzukania& sesja, const std::atomic<bool>& przerwano, const std::function<void()>& pokaz) {
    QEventLoop petla;
    QTimer zegar;
    QObject::connect(&sesja, &SesjaSzukania::Skonczyla, &petla, &QEventLoop::quit);
    QObject::connect(&zegar, &QTimer::timeout, &petla, [&] {
        if (przerwano.load())
            sesja.Zakoncz();
        pokaz();
        if (sesja.Skonczona())
            petla.quit();
    });
    zegar.start(100);
    if (przerwano.load())
        sesja.Zakoncz();
    sesja.Uruchom();
    if (!sesja.Skonczona())
        petla.exec();
    sesja.CzekajNaKoniec();
}

QString tekstPrzeszkody(const Przeszkoda& p, const ZadanieCli& zadanie) {
    const QString metoda = QStringLiteral("--method ") + ZadanieCli::NazwaMetody(zadanie.metoda);
    switch (p.rodzaj) {
    case Przeszkoda::Rodzaj::TablicaPonadPamiec:
        return metoda + QStringLiteral(": a table of %1 x %2 distances (%3 GiB) does not fit in memory")
                            .arg(p.miasta)
                            .arg(p.miasta)
                            .arg(p.bajty / double(1 << 30), 0, 'f', 1);
    case Przeszkoda::Rodzaj::PopulacjaPonadPamiec:
        return QStringLiteral("--population %1: too large for memory").arg(zadanie.sesja.populacja);
    case Przeszkoda::Rodzaj::ZaDuzoMiastDowodu:
        return metoda + QStringLiteral(": branch and cut takes at most %1 cities, not %2 (--method local gives a "
                                       "good route)")
                            .arg(p.najwiecejMiast)
                            .arg(p.miasta);
    case Przeszkoda::Rodzaj::CertyfikatBezDowodu:
        return QStringLiteral("--certificate: %1 runs the local search on %2 cities, which proves nothing (--method "
                              "exact proves up to %3 cities)")
            .arg(metoda)
            .arg(p.miasta)
            .arg(Zasiegi().dowodNajwiecej);
    }
    return {};
}

// Why a route asked for is not proven, where a proof was set out to give.
void uwagiKonca(const WynikSesji& wynik, const std::function<void(const QString&)>& uwaga) {
    if (wynik.limitCzasu)
        uwaga(QStringLiteral("note: the time limit ended the exact method before its proof; the route is the best "
                             "found by then"));
    if (!wynik.bezDowodu.isEmpty())
        uwaga(QStringLiteral("note: branch and cut ended without a proof: ") + wynik.bezDowodu);
}

// The certificate asked for, or why there is none; a route it leaves out is
// said on standard error.
void certyfikat(const WynikSesji& w, const ZestawMiast& miasta, const QString& nazwa, WynikCli& wynik,
                const std::function<void(const QString&)>& uwaga) {
    const CertyfikatSesji c = ZlozCertyfikat(w, miasta, nazwa);
    wynik.certyfikat = c.certyfikat;
    if (!c.certyfikat)
        wynik.bezCertyfikatu = c.brak;
    else if (!c.brak.isEmpty() && uwaga)
        uwaga(QStringLiteral("note: the certificate leaves out ") + c.brak);
}

} // namespace

WynikCli RozwiazanieCli::Uruchom(const std::atomic<bool>& przerwano, const std::function<void(const QString&)>& postep,
                                 const std::function<void(const QString&)>& uwaga) {
    InstancjaTsp instancja = WczytajWejscie(zadanie_.plik, przerwano);
    const QString nazwa = instancja.Nazwa;
    // In the window's cells they are numbered as the window numbers them,
    // so that the lengths and the routes are the ones it shows.
    const auto miasta = std::make_shared<const ZestawMiast>(
        zadanie_.metrykaSiatki ? PlikZestawu::NaSiatce(instancja, zadanie_.plik, true)
                               : PlikZestawu::ZInstancji(std::move(instancja)));
    const int n = miasta->Ilosc();
    const UstawieniaSesji ustawienia = zadanie_.Ustawienia();
    const PlanSesji plan = Zaplanuj(ustawienia, *miasta);
    if (const std::optional<Przeszkoda> p = Sprawdz(plan, ustawienia, n))
        throw UserError(tekstPrzeszkody(*p, zadanie_));
    if (plan.mozeNieSkonczyc && uwaga)
        uwaga(QStringLiteral("note: past %1 cities the exact method is branch and cut, which may not finish on "
                             "%2 cities (Ctrl+C prints the best routes so far with their bounds; --time-limit "
                             "stops it)")
                  .arg(Zasiegi().permutacjeKonczaSieDo)
                  .arg(n));

    SesjaSzukania sesja(miasta, ustawienia);
    czekaj(sesja, przerwano, [&] {
        if (!postep)
            return;
        if (const std::optional<QString> linia = LiniaPostepu(sesja.Migawka(), miasta->metryka.Calkowita()))
            postep(*linia);
    });
    if (const std::optional<BilingualText> blad = sesja.Niepowodzenie())
        throw BladWyszukiwania(blad->en);
    const WynikSesji& wynik = sesja.Wynik();
    // A route asked for and found; the longest alone has its route only
    // from branch and cut.
    if (!wynik.najkrotsza && !(wynik.najdluzsza && !wynik.najdluzsza->trasa.empty())) {
        if (wynik.przerwany)
            throw PrzerwanoBezTrasy{};
        throw BladWyszukiwania(QStringLiteral("the search ended without a route"));
    }
    if (uwaga)
        uwagiKonca(wynik, uwaga);
    WynikCli odpowiedz = OdpowiedzCli(wynik, *miasta);
    if (!zadanie_.certyfikat.isEmpty())
        certyfikat(wynik, *miasta, nazwa, odpowiedz, uwaga);
    return odpowiedz;
}
