#include "storage/SiatkaTsp.h"

#include "toolkit/core/UserError.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_map>

namespace {

[[noreturn]] void blad(const QString& nazwa, const BilingualText& co) {
    throw UserError(nazwa + QStringLiteral(": ")
                    + BilingualText{co.pl + QStringLiteral("; taki plik rozwiąże wedrownik-cli w metryce pliku"),
                                    co.en + QStringLiteral("; wedrownik-cli solves such a file with --metric file")});
}

} // namespace

MapaTsp NaSiatke(const InstancjaTsp& instancja, const QString& nazwa) {
    if (!instancja.MaWspolrzedne())
        blad(nazwa, {QStringLiteral("plik nie podaje położenia miast, tylko odległości między nimi"),
                     QStringLiteral("the file gives no positions of cities, only the distances between them")});
    const std::size_t n = instancja.Ids.size();
    std::vector<long long> x(n), y(n);
    long long minX = 0, minY = 0, maxX = LLONG_MIN, maxY = LLONG_MIN;
    std::unordered_map<std::uint64_t, int> komorki;  // rounded (x, y) -> id
    komorki.reserve(n);
    for (std::size_t k = 0; k < n; ++k) {
        // Coordinates are within +-1e9: the cell fits 32 bits either way.
        x[k] = std::llround(instancja.X[k]);
        y[k] = std::llround(instancja.Y[k]);
        const std::uint64_t komorka = (std::uint64_t(x[k] + 2'000'000'000) << 32) | std::uint64_t(y[k] + 2'000'000'000);
        const auto [gdzie, nowa] = komorki.emplace(komorka, instancja.Ids[k]);
        if (!nowa)
            blad(nazwa, BilingualText{QStringLiteral("miasto %1 w tej samej komórce co miasto %2, a w oknie każde "
                                                     "miasto zajmuje własną komórkę"),
                                      QStringLiteral("city %1 in the same cell as city %2, and in the window each city "
                                                     "takes a cell of its own")}
                            .arg(instancja.Ids[k])
                            .arg(gdzie->second));
        minX = std::min(minX, x[k]);
        minY = std::min(minY, y[k]);
        maxX = std::max(maxX, x[k]);
        maxY = std::max(maxY, y[k]);
    }

    // Our own files name their grid: keep it, so cities away from the top
    // and right edges come back to the same cells.
    const auto& siatka = instancja.SiatkaZKomentarza;
    const bool zKomentarza = siatka && minX >= 0 && minY >= 0 && maxX < siatka->second && maxY < siatka->first;
    MapaTsp mapa;
    mapa.RowCount = zKomentarza ? siatka->first : int(maxY - minY + 1);
    mapa.ColumnCount = zKomentarza ? siatka->second : int(maxX - minX + 1);
    mapa.SiatkaZPliku = zKomentarza;
    mapa.Miasta.reserve(n);
    for (std::size_t k = 0; k < n; ++k)
        mapa.Miasta.push_back({instancja.Ids[k], int(mapa.RowCount - 1 - (y[k] - minY)), int(x[k] - minX)});
    return mapa;
}

void SprawdzSiatkeOkna(const MapaTsp& mapa, const QString& nazwa) {
    const std::int64_t komorek = std::int64_t(mapa.RowCount) * std::int64_t(mapa.ColumnCount);
    if (komorek > MaksKomorekOkna)
        blad(nazwa, BilingualText{QStringLiteral("miasta potrzebują siatki %1 X %2 (%3 komórek), a okno mieści "
                                                 "najwyżej %4"),
                                  QStringLiteral("the cities need a grid of %1 X %2 (%3 cells), and the window "
                                                 "holds at most %4")}
                        .arg(mapa.RowCount)
                        .arg(mapa.ColumnCount)
                        .arg(komorek)
                        .arg(MaksKomorekOkna));
}

std::optional<MapaTsp> NaSiatkeOkna(const InstancjaTsp& instancja, int wiersze, int kolumny) {
    if (instancja.TypWag != TypWagTsp::Euc2d && instancja.TypWag != TypWagTsp::Ceil2d
        && instancja.TypWag != TypWagTsp::Att)
        return std::nullopt;
    MapaTsp mapa;
    try {
        mapa = NaSiatke(instancja, QString());
        SprawdzSiatkeOkna(mapa, QString());
    } catch (const UserError&) {
        // Two cities in one cell, or more cells than the window holds.
        return std::nullopt;
    }
    if (!mapa.SiatkaZPliku) {
        const int wiecejWierszy = std::max(mapa.RowCount, wiersze);
        const int wiecejKolumn = std::max(mapa.ColumnCount, kolumny);
        if (std::int64_t(wiecejWierszy) * wiecejKolumn <= MaksKomorekOkna) {
            mapa.RowCount = wiecejWierszy;
            mapa.ColumnCount = wiecejKolumn;
        }
    }
    return mapa;
}
