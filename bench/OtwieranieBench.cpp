// Opening each TSPLIB instance of ../shared/tsplib in the main window, as
// "Otwórz…" does: from the file to the fitted view painted, whether the
// cities go on the grid or show as points.
// --benchmark_filter=BM_Otworz/pla85900 for one.

#include "app/OknaProgramu.h"
#include "app/MiastaOkna.h"
#include "app/PlikiMatrycy.h"
#include "search/ZestawMiast.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void BM_Otworz(benchmark::State& state, const std::string& sciezka) {
    QTemporaryDir dir;
    OknaProgramu okna;
    TWedrownikForm& glowne = okna.WedrownikForm;
    glowne.PlikKonfiguracji = dir.filePath(QStringLiteral("Config.cfg"));
    glowne.show();
    const QString plik = QString::fromStdString(sciezka);
    for (auto _ : state) {
        QElapsedTimer czas;
        czas.start();
        glowne.Pliki->Otworz(plik);
        glowne.repaint();
        state.SetIterationTime(double(czas.nsecsElapsed()) * 1e-9);
    }
    state.counters["miasta"] = glowne.Miasta->Zestaw()->Ilosc();
    state.counters["punkty"] = glowne.Miasta->NaPunktach() ? 1 : 0;
    glowne.hide();
}

const bool zarejestrowane = [] {
    std::vector<std::filesystem::path> pliki;
    std::error_code blad;
    for (const auto& wpis : std::filesystem::directory_iterator(WEDROWNIK_TSPLIB, blad))
        if (wpis.path().extension() == ".tsp")
            pliki.push_back(wpis.path());
    std::sort(pliki.begin(), pliki.end());
    for (const auto& p : pliki)
        benchmark::RegisterBenchmark(("BM_Otworz/" + p.stem().string()).c_str(), BM_Otworz, p.string())
            ->Iterations(3)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
