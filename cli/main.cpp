#include "cli/ArgumentyCli.h"
#include "cli/CtrlC.h"
#include "cli/KodWyjscia.h"
#include "cli/PomiarCli.h"
#include "cli/RozwiazanieCli.h"
#include "cli/SprawdzenieCli.h"
#include "cli/WyjatkiCli.h"
#include "search/certyfikat/TekstCertyfikatu.h"
#include "storage/PlikTsp.h"
#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

void powiedz(const QString& tekst) {
    QTextStream(stderr) << tekst << '\n';
}

int blad(const QString& tekst) {
    powiedz(tekst);
    return KodWyjscia::BladWejscia;
}

// Standard output takes the answer whole or the failure is reported: a full
// disk or a descriptor not open for writing shows only when the buffer is
// flushed, some file systems only on close.
bool wypisz(const QByteArray& tekst) {
    const bool zapisany = std::fwrite(tekst.constData(), 1, std::size_t(tekst.size()), stdout)
                              == std::size_t(tekst.size())
                          && std::fflush(stdout) == 0 && std::fclose(stdout) == 0;
    if (!zapisany)
        powiedz(QStringLiteral("cannot write standard output: ") + QString::fromLocal8Bit(std::strerror(errno)));
    return zapisany;
}

// A command that runs on this thread alone and prints nothing until its
// answer: its failures become plain messages and exit codes.
template <class Polecenie>
int bezWyjatkow(Polecenie&& polecenie) {
    try {
        return polecenie();
    } catch (const UserError& e) {
        return blad(e.english());
    } catch (const PrzerwanoBezTrasy&) {
        powiedz(QStringLiteral("interrupted"));
        return KodWyjscia::Przerwano;
    } catch (const std::bad_alloc&) {
        powiedz(QStringLiteral("out of memory"));
        return KodWyjscia::BladWyszukiwania;
    }
}

// The length command.
int zmierz(const ZadanieCli& zadanie, const std::atomic<bool>& przerwano) {
    return bezWyjatkow([&] {
        const PomiarCli::Wynik wynik = PomiarCli(zadanie).Uruchom(przerwano);
        return wypisz(wynik.Wydruk(zadanie.json)) ? KodWyjscia::Gotowe : KodWyjscia::BladWyjscia;
    });
}

// The check command: its verdict on standard output.
int sprawdz(const ZadanieCli& zadanie, const std::atomic<bool>& przerwano) {
    return bezWyjatkow([&] {
        const WerdyktCertyfikatu werdykt = SprawdzenieCli(zadanie).Uruchom(przerwano);
        const QString tekst = werdykt.wazny
                                  ? QStringLiteral("certificate valid\n")
                                  : QStringLiteral("certificate invalid: ") + werdykt.powod + QLatin1Char('\n');
        if (!wypisz(tekst.toUtf8()))
            return KodWyjscia::BladWyjscia;
        return werdykt.wazny ? KodWyjscia::Gotowe : KodWyjscia::Niewazny;
    });
}

// The certificate asked for, or why none was written; false then.
bool zapiszCertyfikat(const ZadanieCli& zadanie, const WynikCli& wynik) {
    if (!wynik.certyfikat) {
        powiedz(QStringLiteral("--certificate: no certificate written: ") + wynik.bezCertyfikatu);
        return false;
    }
    try {
        ZapiszAtomowo(zadanie.certyfikat, TekstCertyfikatu(*wynik.certyfikat));
    } catch (const UserError& e) {
        powiedz(QStringLiteral("--certificate: ") + e.english());
        return false;
    }
    return true;
}

// The answer, and the .tour and certificate files when asked; the exit code.
int wydrukuj(const ZadanieCli& zadanie, const WynikCli& wynik) {
    int kod = wynik.przerwany ? KodWyjscia::Przerwano : KodWyjscia::Gotowe;
    if (!zadanie.tour.isEmpty()) {
        try {
            PlikTsp::ZapiszTour(zadanie.tour, wynik.trasa, wynik.DlugoscTrasy().Liczba(),
                                std::holds_alternative<std::int64_t>(wynik.DlugoscTrasy().wartosc));
        } catch (const UserError& e) {
            powiedz(QStringLiteral("--tour: ") + e.english());
            kod = KodWyjscia::BladTour;
        }
    }
    if (!zadanie.certyfikat.isEmpty() && !zapiszCertyfikat(zadanie, wynik) && kod != KodWyjscia::BladTour)
        kod = KodWyjscia::BladCertyfikatu;
    if (!wypisz(wynik.Wydruk(zadanie.json)))
        kod = KodWyjscia::BladWyjscia;
    return kod;
}

// The solve command: the progress line on a terminal, notes on standard
// error, the answer on standard output and, when asked, the .tour file.
int rozwiaz(const ZadanieCli& zadanie, const std::atomic<bool>& przerwano) {
    const bool terminal = isatty(STDERR_FILENO) == 1;
    std::function<void(const QString&)> postep;
    if (terminal)
        postep = [](const QString& linia) { QTextStream(stderr) << '\r' << linia << "\x1b[K" << Qt::flush; };
    const auto wyczyscPostep = [terminal] {
        if (terminal)
            QTextStream(stderr) << '\r' << "\x1b[K" << Qt::flush;
    };
    WynikCli wynik;
    try {
        wynik = RozwiazanieCli(zadanie).Uruchom(przerwano, postep, [&](const QString& uwaga) {
            wyczyscPostep();
            powiedz(uwaga);
        });
    } catch (const UserError& e) {
        wyczyscPostep();
        return blad(e.english());
    } catch (const PrzerwanoBezTrasy&) {
        wyczyscPostep();
        powiedz(QStringLiteral("interrupted before the first complete route: no route to print"));
        return KodWyjscia::Przerwano;
    } catch (const BladWyszukiwania& e) {
        wyczyscPostep();
        powiedz(e.komunikat());
        return KodWyjscia::BladWyszukiwania;
    } catch (const std::bad_alloc&) {
        wyczyscPostep();
        powiedz(QStringLiteral("out of memory"));
        return KodWyjscia::BladWyszukiwania;
    }
    wyczyscPostep();
    return wydrukuj(zadanie, wynik);
}

} // namespace

int main(int argc, char** argv) {
    // A closed standard output would be taken by the next file opened, and
    // the answer written into it: refused before anything is opened.
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        std::fputs("cannot write standard output: it is closed\n", stderr);
        return KodWyjscia::BladWyjscia;
    }
    // A closed standard input would be taken by one of Qt's own descriptors,
    // and reading "-" would wait on it for ever. /dev/null holds the place
    // (the lowest free descriptor is 0) for as long as the program runs, and
    // "-" is refused once the arguments are known.
    const bool wejscieZamkniete = ::fcntl(STDIN_FILENO, F_GETFD) == -1;
    if (wejscieZamkniete)
        ::open("/dev/null", O_RDONLY);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wedrownik-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    DodajOpcje(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return blad(parser.errorText());
    // Written as the answer is: QCommandLineParser's own showHelp() and
    // showVersion() exit with 0 whether or not the text got out.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        const QString tekst = parser.isSet(QStringLiteral("help"))
                                  ? parser.helpText()
                                  : QCoreApplication::applicationName() + QLatin1Char(' ')
                                        + QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return wypisz(tekst.toLocal8Bit()) ? KodWyjscia::Gotowe : KodWyjscia::BladWyjscia;
    }

    ZadanieCli zadanie;
    try {
        zadanie = CzytajArgumenty(parser);
    } catch (const UserError& e) {
        return blad(e.english());
    }
    if (wejscieZamkniete && zadanie.plik == QStringLiteral("-"))
        return blad(QStringLiteral("cannot read -: standard input is closed"));

    const std::atomic<bool>& przerwano = PrzechwycCtrlC();
    if (zadanie.polecenie == ZadanieCli::Polecenie::Dlugosc)
        return zmierz(zadanie, przerwano);
    if (zadanie.polecenie == ZadanieCli::Polecenie::Sprawdz)
        return sprawdz(zadanie, przerwano);
    return rozwiaz(zadanie, przerwano);
}
