#include "storage/PlikZestawu.h"

#include "storage/MetrykaTsp.h"
#include "storage/PlikTsp.h"
#include "storage/SiatkaTsp.h"
#include "storage/ZapisAtomowy.h"

#include <QFileInfo>

#include <algorithm>
#include <cassert>
#include <charconv>
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

// The shortest decimal that reads back to the same double, without an
// exponent: coordinates stay within +-1e9.
QString liczba(double x) {
    char bufor[400];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x, std::chars_format::fixed);
    return QString::fromLatin1(bufor, int(wynik.ptr - bufor));
}

void punkty(QString& tekst, const std::vector<int>& ids, std::span<const double> x, std::span<const double> y) {
    for (std::size_t k = 0; k < ids.size(); ++k)
        tekst += QString::number(ids[k]) + QLatin1Char(' ') + liczba(x[k]) + QLatin1Char(' ') + liczba(y[k])
                 + QLatin1Char('\n');
}

QString nazwaWPliku(QString nazwa) {
    nazwa.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return nazwa;
}

// The cells of a map's cities, in the map's order.
std::vector<TPunkt> komorki(const std::vector<MiastoTsp>& miasta) {
    std::vector<TPunkt> wynik;
    wynik.reserve(miasta.size());
    for (const MiastoTsp& m : miasta)
        wynik.push_back(TPunkt{m.Kolumna, m.Wiersz});
    return wynik;
}

} // namespace

ZestawMiast PlikZestawu::ZInstancji(InstancjaTsp&& instancja) {
    if (instancja.TypWag == TypWagTsp::Jawne)
        return {Metryka::Jawna(instancja.Ilosc(), std::move(instancja.Wagi)), std::move(instancja.Ids), {}};
    return {Metryka::Wspolrzedne(rodzaj(instancja.TypWag), std::move(instancja.X), std::move(instancja.Y)),
            std::move(instancja.Ids),
            {}};
}

ZestawMiast PlikZestawu::Wczytaj(const QString& sciezka, const std::function<void()>& kontrola) {
    return ZInstancji(PlikTsp::WczytajInstancje(sciezka, kontrola));
}

PlikZestawu::WOknie PlikZestawu::DoOkna(InstancjaTsp&& instancja, int wiersze, int kolumny) {
    const std::optional<MapaTsp> mapa = NaSiatkeOkna(instancja, wiersze, kolumny);
    WOknie plik{ZInstancji(std::move(instancja))};
    if (mapa) {
        plik.zestaw.komorki = komorki(mapa->Miasta);
        plik.RowCount = mapa->RowCount;
        plik.ColumnCount = mapa->ColumnCount;
        plik.SiatkaZPliku = mapa->SiatkaZPliku;
    }
    return plik;
}

ZestawMiast PlikZestawu::NaSiatce(const InstancjaTsp& instancja, const QString& nazwa, bool wierszami) {
    std::vector<MiastoTsp> miasta = NaSiatke(instancja, nazwa).Miasta;
    if (wierszami)
        std::sort(miasta.begin(), miasta.end(), [](const MiastoTsp& a, const MiastoTsp& b) {
            return a.Wiersz != b.Wiersz ? a.Wiersz < b.Wiersz : a.Kolumna < b.Kolumna;
        });
    std::vector<int> ids;
    ids.reserve(miasta.size());
    for (const MiastoTsp& m : miasta)
        ids.push_back(m.Id);
    return ZestawMiast::ZKomorek(komorki(miasta), std::move(ids));
}

QByteArray PlikZestawu::Tekst(const ZestawMiast& zestaw, const QString& nazwa, std::span<const double> xMiejsc,
                              std::span<const double> yMiejsc) {
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
        const bool miejsca = xMiejsc.size() == std::size_t(n) && yMiejsc.size() == std::size_t(n);
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
            punkty(tekst, zestaw.ids, xMiejsc, yMiejsc);
        }
    }
    tekst += QStringLiteral("EOF\n");
    return tekst.toUtf8();
}

void PlikZestawu::Zapisz(const QString& sciezka, const ZestawMiast& zestaw, std::span<const double> xMiejsc,
                          std::span<const double> yMiejsc) {
    ZapiszAtomowo(sciezka, Tekst(zestaw, QFileInfo(sciezka).completeBaseName(), xMiejsc, yMiejsc));
}
