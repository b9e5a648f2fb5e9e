// Drawing the largest instance in the view of points: 85,900 cities spread
// over an extent of 241 million grid cells, fitted to a 600 x 440 view, and a
// route through all of them in a random order, so that its segments cross
// the whole view. The view paints into a picture of its size;
// BM_RysujPunktyQPainter draws the same dots and route with QPainter, the
// baseline the view's own rasteriser is measured against.

#include "grid/WidokPunktow.h"
#include "toolkit/gui/QtColor.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int LiczbaMiast = 85900;
const QSize RozmiarWidoku(600, 440);

struct Instancja {
    std::vector<double> x;
    std::vector<double> y;
    std::vector<int> trasa;
};

Instancja losowa() {
    std::mt19937 losowe(1);
    std::uniform_int_distribution<int> poziomo(0, 19699);
    std::uniform_int_distribution<int> pionowo(0, 12249);
    Instancja instancja;
    for (int k = 0; k < LiczbaMiast; ++k) {
        instancja.x.push_back(poziomo(losowe));
        instancja.y.push_back(pionowo(losowe));
    }
    instancja.trasa.resize(LiczbaMiast);
    std::iota(instancja.trasa.begin(), instancja.trasa.end(), 0);
    std::shuffle(instancja.trasa.begin(), instancja.trasa.end(), losowe);
    return instancja;
}

void przygotuj(WidokPunktow& widok, const Instancja& instancja) {
    widok.resize(RozmiarWidoku);
    widok.UstawMiasta(instancja.x, instancja.y, OsY::WGore);
    widok.UstawTrase(instancja.trasa);
}

void BM_RysujPunktyDopasowane(benchmark::State& state) {
    WidokPunktow widok;
    przygotuj(widok, losowa());
    QImage obraz(RozmiarWidoku, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter malarz(&obraz);
        widok.RysujDo(malarz, obraz.rect());
        malarz.end();
        benchmark::DoNotOptimize(obraz.constBits());
    }
    state.counters["skala"] = widok.Skala();
}

void BM_RysujPunktyQPainter(benchmark::State& state) {
    const Instancja instancja = losowa();
    WidokPunktow widok;
    przygotuj(widok, instancja);
    // Mapped once, outside the loop: only the drawing is timed.
    std::vector<QPointF> miasta;
    for (int k = 0; k < LiczbaMiast; ++k)
        miasta.push_back(widok.NaPiksel(QPointF(instancja.x[std::size_t(k)], instancja.y[std::size_t(k)])));
    std::vector<QPointF> trasa;
    for (const int k : instancja.trasa)
        trasa.push_back(miasta[std::size_t(k)]);
    QImage obraz(RozmiarWidoku, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter malarz(&obraz);
        malarz.fillRect(obraz.rect(), toQColor(widok.KolorTla()));
        malarz.setPen(QPen(toQColor(widok.KolorMiast()), WidokPunktow::BokKropki, Qt::SolidLine, Qt::SquareCap));
        malarz.drawPoints(miasta.data(), int(miasta.size()));
        malarz.setPen(QPen(toQColor(widok.KolorTrasy()), widok.GruboscTrasy()));
        malarz.drawPolygon(trasa.data(), int(trasa.size()));
        malarz.end();
        benchmark::DoNotOptimize(obraz.constBits());
    }
}

} // namespace

BENCHMARK(BM_RysujPunktyDopasowane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RysujPunktyQPainter)->Unit(benchmark::kMillisecond);
