#include "storage/PlikZestawu.h"

#include "storage/PlikTsp.h"
#include "storage/SiatkaTsp.h"
#include "storage/ZapisAtomowy.h"

#include <QFileInfo>

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

RodzajMetryki rodzaj(TypWagTsp typ) {
    switch (typ) {
    case TypWagTsp::Euc2d: return RodzajMetryki::Euc2d;
    case TypWagTsp::Ceil2d: return RodzajMetryki::Ceil2d;
    case TypWagTsp::Att: return RodzajMetryki::Att;
    case TypWagTsp::Geo: return RodzajMetryki::Geo;
    case TypWagTsp::Jawne: return RodzajMetryki::Jawna;
    }
    return RodzajMetryki::Jawna;
}

// Without places of their own the cities of a table go round a circle, the
// first at the top and on clockwise, in the file's order.
void naOkregu(int n, std::vector<double>& x, std::vector<double>& y) {
    constexpr double promien = 1000.0;
    x.resize(std::size_t(n));
    y.resize(std::size_t(n));
    for (int k = 0; k < n; ++k) {
        const double kat = std::numbers::pi / 2.0 - 2.0 * std::numbers::pi * k / n;
        x[std::size_t(k)] = promien * std::cos(kat);
        y[std::size_t(k)] = promien * std::sin(kat);
    }
}

// The shortest decimal that reads back to the same double, without an
// exponent: coordinates stay within +-1e9.
QString liczba(double x) {
    char bufor[400];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x, std::chars_format::fixed);
    return QString::fromLatin1(bufor, int(wynik.ptr - bufor));
}

void punkty(QString& tekst, const std::vector<int>& ids, const std::vector<double>& x, const std::vector<double>& y) {
    for (std::size_t k = 0; k < ids.size(); ++k)
        tekst += QString::number(ids[k]) + QLatin1Char(' ') + liczba(x[k]) + QLatin1Char(' ') + liczba(y[k])
                 + QLatin1Char('\n');
}

QString nazwaWPliku(QString nazwa) {
    nazwa.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return nazwa;
}

} // namespace

ZestawMiast PlikZestawu::ZInstancji(InstancjaTsp&& instancja, const QString& sciezka) {
    const int n = instancja.Ilosc();
    if (instancja.TypWag == TypWagTsp::Jawne) {
        ZestawMiast zestaw{Metryka::Jawna(n, std::move(instancja.Wagi)), std::move(instancja.Ids), {}, {}, {},
                           false, sciezka};
        if (instancja.MaWspolrzedne()) {
            zestaw.xWidoku = std::move(instancja.X);
            zestaw.yWidoku = std::move(instancja.Y);
        } else {
            zestaw.naOkregu = true;
            naOkregu(n, zestaw.xWidoku, zestaw.yWidoku);
        }
        return zestaw;
    }
    std::vector<double> xWidoku;
    std::vector<double> yWidoku;
    if (instancja.TypWag == TypWagTsp::Geo) {
        // x is the latitude, y the longitude: across goes the longitude.
        xWidoku.reserve(std::size_t(n));
        yWidoku.reserve(std::size_t(n));
        for (int k = 0; k < n; ++k) {
            xWidoku.push_back(StopnieZeStopniMinut(instancja.Y[std::size_t(k)]));
            yWidoku.push_back(StopnieZeStopniMinut(instancja.X[std::size_t(k)]));
        }
    } else {
        xWidoku = instancja.X;
        yWidoku = instancja.Y;
    }
    return {Metryka::Wspolrzedne(rodzaj(instancja.TypWag), std::move(instancja.X), std::move(instancja.Y)),
            std::move(instancja.Ids),
            {},
            std::move(xWidoku),
            std::move(yWidoku),
            false,
            sciezka};
}

ZestawMiast PlikZestawu::Wczytaj(const QString& sciezka, const std::function<void()>& kontrola) {
    return ZInstancji(PlikTsp::WczytajInstancje(sciezka, kontrola), sciezka);
}

ZestawMiast PlikZestawu::NaSiatce(const InstancjaTsp& instancja, const QString& nazwa, bool wierszami) {
    std::vector<MiastoTsp> miasta = NaSiatke(instancja, nazwa).Miasta;
    if (wierszami)
        std::sort(miasta.begin(), miasta.end(), [](const MiastoTsp& a, const MiastoTsp& b) {
            return a.Wiersz != b.Wiersz ? a.Wiersz < b.Wiersz : a.Kolumna < b.Kolumna;
        });
    std::vector<TPunkt> komorki;
    std::vector<int> ids;
    komorki.reserve(miasta.size());
    ids.reserve(miasta.size());
    for (const MiastoTsp& m : miasta) {
        komorki.push_back(TPunkt{m.Kolumna, m.Wiersz});
        ids.push_back(m.Id);
    }
    return ZestawMiast::ZKomorek(std::move(komorki), std::move(ids));
}

QByteArray PlikZestawu::Tekst(const ZestawMiast& zestaw, const QString& nazwa) {
    const Metryka& metryka = zestaw.metryka;
    assert(metryka.Rodzaj() != RodzajMetryki::Komorki);
    const int n = metryka.Ilosc();
    QString tekst;
    tekst += QStringLiteral("NAME : %1\n").arg(nazwaWPliku(nazwa));
    tekst += QStringLiteral("COMMENT : Wedrownik\nTYPE : TSP\n");
    // A file without DIMENSION may number its cities past their count; a
    // DIMENSION would then refuse them.
    if (std::all_of(zestaw.ids.begin(), zestaw.ids.end(), [n](int id) { return id <= n; }))
        tekst += QStringLiteral("DIMENSION : %1\n").arg(n);
    tekst += QStringLiteral("EDGE_WEIGHT_TYPE : %1\n").arg(NazwaTsplib(metryka.Rodzaj()));
    if (metryka.Rodzaj() != RodzajMetryki::Jawna) {
        tekst += QStringLiteral("NODE_COORD_SECTION\n");
        punkty(tekst, zestaw.ids, metryka.X(), metryka.Y());
    } else {
        const bool miejsca = !zestaw.naOkregu && !zestaw.xWidoku.empty();
        tekst += QStringLiteral("EDGE_WEIGHT_FORMAT : LOWER_ROW\n");
        if (miejsca)
            tekst += QStringLiteral("DISPLAY_DATA_TYPE : TWOD_DISPLAY\n");
        tekst += QStringLiteral("EDGE_WEIGHT_SECTION\n");
        // Row a holds the weights of a to the cities before it: exactly the
        // order the metric keeps them in.
        const std::vector<std::int32_t>& wagi = metryka.WagiPodPrzekatna();
        std::size_t w = 0;
        for (int a = 1; a < n; ++a) {
            for (int b = 0; b < a; ++b) {
                if (b > 0)
                    tekst += QLatin1Char(' ');
                tekst += QString::number(wagi[w++]);
            }
            tekst += QLatin1Char('\n');
        }
        if (miejsca) {
            tekst += QStringLiteral("DISPLAY_DATA_SECTION\n");
            punkty(tekst, zestaw.ids, zestaw.xWidoku, zestaw.yWidoku);
        }
    }
    tekst += QStringLiteral("EOF\n");
    return tekst.toUtf8();
}

void PlikZestawu::Zapisz(const QString& sciezka, const ZestawMiast& zestaw) {
    ZapiszAtomowo(sciezka, Tekst(zestaw, QFileInfo(sciezka).completeBaseName()));
}
