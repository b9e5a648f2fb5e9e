// Drawing a large instance fitted to the window: 10,000 cities on the grid a
// TSPLIB file of that extent gets, and a route through all of them, painted
// into a picture of the scroll box's size. The route visits the cities in a
// random order, so its segments cross the whole view.

#include "grid/CMatryca.h"
#include "grid/LosoweKomorki.h"
#include "search/LosowaLiczba.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

void BM_RysujDopasowana(benchmark::State& state) {
    const int miasta = int(state.range(0));
    const int wiersze = 1970;
    const int kolumny = 3956;
    const QSize widok(600, 440);

    CMatryca matryca;
    matryca.SetRowCount(wiersze);
    matryca.SetColumnCount(kolumny);
    std::vector<std::uint8_t> komorki(std::size_t(wiersze) * std::size_t(kolumny));
    UstawZiarno(1);
    LosujKomorki(komorki.data(), wiersze, kolumny, miasta);
    auto tablica = std::make_unique<bool[]>(komorki.size());
    std::copy(komorki.begin(), komorki.end(), tablica.get());
    matryca.LoadFromWektor(tablica.get(), int(komorki.size()));

    std::vector<TPunkt> trasa;
    for (int w = 0; w < wiersze; ++w)
        for (int k = 0; k < kolumny; ++k)
            if (matryca.GetCell(w, k))
                trasa.push_back({k, w});
    std::shuffle(trasa.begin(), trasa.end(), std::mt19937(1));
    CPunktyNowe punkty;
    punkty.Punkty = trasa;
    matryca.SetBestPunkty(&punkty);

    const double skala = std::min(double(widok.width() - 1) / double(matryca.SzerokoscRzeczywista() - 1),
                                  double(widok.height() - 1) / double(matryca.WysokoscRzeczywista() - 1));
    matryca.UstawSkale(skala);
    QImage obraz(matryca.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter malarz(&obraz);
        matryca.PaintTo(malarz, obraz.rect());
        malarz.end();
        benchmark::DoNotOptimize(obraz.constBits());
    }
    state.counters["skala"] = skala;
}

} // namespace

BENCHMARK(BM_RysujDopasowana)->Arg(10000)->Unit(benchmark::kMillisecond);
