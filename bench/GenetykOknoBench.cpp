// The genetic search run through its progress window, as the user starts it
// from the main window, against the bare search on the same cities, in
// alternation within one run. Reports both rates and their ratio.

#include "app/OknaProgramu.h"
#include "bench/UzytkownikOkna.h"
#include "grid/CMatryca.h"
#include "search/CPunkty.h"
#include "search/genetyczne/CGenetyk.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr int kMiasta = 50;
constexpr int kPopulacja = 100;

// Arg: 1 with "Rysuj trasę" checked. Arg 2: generations per run.
void BM_GenetykOknoStosunek(benchmark::State& state) {
    const bool rysuj = state.range(0) != 0;
    const int pokolenia = int(state.range(1));
    OknaProgramu okna;
    TWedrownikForm& glowne = okna.WedrownikForm;
    glowne.show();
    glowne.MatrycaMiast->Losuj(kMiasta);
    okna.ObliczGenetycznieForm.RysujTraseCheck->setChecked(rysuj);

    CPunkty miasta;
    miasta.LoadFromCMatryca(glowne.MatrycaMiast);
    const OdleglosciSlot tablica = miasta.CreateOdleglosci();

    double golySek = 0.0;
    double oknoSek = 0.0;
    for (auto _ : state) {
        QElapsedTimer czas;
        czas.start();
        {
            CGenetyk gen;
            gen.Odleglosci = &tablica;
            gen.UstawRozmiar(kPopulacja, kMiasta);
            gen.PKrzyzowania = 0.3;
            gen.PMutacji = 0.1;
            gen.IlePokolen = pokolenia;
            gen.release();
            gen.waitForEnd();
            benchmark::DoNotOptimize(gen.Najlepszy().Droga);
        }
        const double goly = double(czas.nsecsElapsed()) * 1e-9;

        czas.restart();
        {
            UzytkownikOkna uzytkownik(okna, [pokolenia](TSzukajTraseForm& dialog) {
                dialog.SetSzukajGroupItemIndex(MetodaSzukania::Genetycznie);
                dialog.IlePokolenEdit->setText(QString::number(pokolenia));
                dialog.LicznoscPopulacjiEdit->setText(QString::number(kPopulacja));
            });
            glowne.SzukajEditClick();
        }
        const double okno = double(czas.nsecsElapsed()) * 1e-9;
        if (okna.ObliczGenetycznieForm.Wynik().zbieznosc.IlePokolen() != pokolenia + 1) {
            state.SkipWithError("the window did not run the whole search");
            break;
        }
        golySek += goly;
        oknoSek += okno;
        state.SetIterationTime(okno);
    }
    const double przebiegi = double(state.iterations());
    state.counters["goly_pok/s"] = przebiegi * pokolenia / golySek;
    state.counters["okno_pok/s"] = przebiegi * pokolenia / oknoSek;
    state.counters["stosunek"] = golySek / oknoSek;
    glowne.hide();
}

} // namespace

BENCHMARK(BM_GenetykOknoStosunek)
    ->ArgNames({"rysuj", "pokolenia"})
    ->Args({0, 100000})
    ->Args({1, 100000})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
