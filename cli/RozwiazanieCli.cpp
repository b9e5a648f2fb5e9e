#include "cli/RozwiazanieCli.h"

#include "cli/OdpowiedzCli.h"
#include "cli/PostepCli.h"
#include "cli/WejscieCli.h"
#include "cli/WyjatkiCli.h"
#include "search/ZestawMiast.h"
#include "search/certyfikat/SumaWag.h"
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

// The proven routes' sections under the instance's name and checksum; the
// shortest route's first, since check compares the .tour file with it.
void certyfikat(const WynikSesji& w, const ZestawMiast& miasta, const QString& nazwa, WynikCli& wynik,
                const std::function<void(const QString&)>& uwaga) {
    if (!w.najkrotsza->certyfikat) {
        wynik.bezCertyfikatu = w.najkrotsza->bezCertyfikatu.isEmpty() ? QStringLiteral("the route was not proven")
                                                                      : w.najkrotsza->bezCertyfikatu;
        return;
    }
    auto c = std::make_shared<Certyfikat>();
    c->nazwa = nazwa;
    c->miasta = miasta.Ilosc();
    c->suma = SumaWag(WagiCalkowite(miasta.metryka));
    c->sekcje.push_back(*w.najkrotsza->certyfikat);
    if (w.najdluzsza && w.najdluzsza->certyfikat)
        c->sekcje.push_back(*w.najdluzsza->certyfikat);
    else if (w.najdluzsza && uwaga)
        uwaga(QStringLiteral("note: the certificate holds the shortest route only (the longest: %1)")
                  .arg(w.najdluzsza->bezCertyfikatu.isEmpty() ? QStringLiteral("not proven")
                                                              : w.najdluzsza->bezCertyfikatu));
    wynik.certyfikat = std::move(c);
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
    const PlanSesji plan = Zaplanuj(ustawienia, n);
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
    if (!wynik.najkrotsza) {
        if (wynik.przerwany)
            throw PrzerwanoBezTrasy{};
        throw BladWyszukiwania(QStringLiteral("the search ended without a route"));
    }
    if (wynik.optimumCoNajmniej && uwaga)
        uwaga(QStringLiteral("note: sums of these distances pass 2^24, where single precision rounds; "
                             "the optimum is at least %1")
                  .arg(*wynik.optimumCoNajmniej));
    WynikCli odpowiedz = OdpowiedzCli(wynik, *miasta);
    if (!zadanie_.certyfikat.isEmpty())
        certyfikat(wynik, *miasta, nazwa, odpowiedz, uwaga);
    return odpowiedz;
}
