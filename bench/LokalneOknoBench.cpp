// The local search run from the main window as a user starts it, on random
// cities of a file shown as points, with "Rysuj trasę" unchecked and checked
// in alternation within one run: the live drawing of the best route must
// cost the search little of its rounds per second. Reports both rates and
// their ratio (stosunek: with the drawing over without).

#include "app/OknaProgramu.h"
#include "app/PlikiMatrycy.h"
#include "bench/UzytkownikOkna.h"
#include "grid/WidokPunktow.h"
#include "search/sesja/WynikSesji.h"
#include "storage/ZapisAtomowy.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// Counts the paints of the view of points, so that the drawing measured is
// known to have happened.
class LicznikRysunkow : public QObject {
public:
    int rysunki = 0;

protected:
    bool eventFilter(QObject*, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::Paint)
            ++rysunki;
        return false;
    }
};

// n random cities of a plane too large for the grid: they show as points.
QByteArray losoweMiasta(int n) {
    std::mt19937 losowe(7);
    std::uniform_int_distribution<int> wspolrzedna(0, 999'999);
    QByteArray tekst = "NAME : losowe\nTYPE : TSP\nEDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n";
    for (int k = 1; k <= n; ++k)
        tekst += QByteArray::number(k) + ' ' + QByteArray::number(wspolrzedna(losowe)) + ' '
                 + QByteArray::number(wspolrzedna(losowe)) + '\n';
    return tekst + "EOF\n";
}

// Arg 0: cities; arg 1: seconds of each search.
void BM_LokalneOknoStosunek(benchmark::State& state) {
    const int miasta = int(state.range(0));
    const int sekundy = int(state.range(1));
    QTemporaryDir dir;
    const QString plik = dir.filePath(QStringLiteral("losowe.tsp"));
    ZapiszAtomowo(plik, losoweMiasta(miasta));
    OknaProgramu okna;
    TWedrownikForm& glowne = okna.WedrownikForm;
    glowne.PlikKonfiguracji = dir.filePath(QStringLiteral("Config.cfg"));
    glowne.show();
    glowne.Pliki->Otworz(plik);
    LicznikRysunkow licznik;
    glowne.PunktyMiast->installEventFilter(&licznik);

    // Rounds per second of one search from the window.
    auto tempo = [&](bool rysuj) {
        okna.ObliczLokalnieForm.RysujTraseCheck->setChecked(rysuj);
        {
            UzytkownikOkna uzytkownik(okna, [sekundy](TSzukajTraseForm& dialog) {
                dialog.SetSzukajGroupItemIndex(MetodaSzukania::Lokalnie);
                dialog.CzasSzukaniaEdit->setText(QString::number(sekundy));
            });
            glowne.SzukajEditClick();
        }
        const WynikSesji& wynik = okna.ObliczLokalnieForm.Wynik();
        if (!wynik.najkrotsza || !wynik.rundy || wynik.sekundy <= 0.0)
            return -1.0;
        return double(*wynik.rundy) / wynik.sekundy;
    };

    double bez = 0.0;
    double z = 0.0;
    int rysunkiBez = 0;
    int rysunkiZ = 0;
    for (auto _ : state) {
        int przed = licznik.rysunki;
        const double tempoBez = tempo(false);
        rysunkiBez += licznik.rysunki - przed;
        przed = licznik.rysunki;
        const double tempoZ = tempo(true);
        rysunkiZ += licznik.rysunki - przed;
        if (tempoBez <= 0.0 || tempoZ <= 0.0) {
            state.SkipWithError("the window did not run the whole search");
            break;
        }
        bez += tempoBez;
        z += tempoZ;
        state.SetIterationTime(2.0 * sekundy);
    }
    const double przebiegi = double(state.iterations());
    state.counters["bez_rund/s"] = bez / przebiegi;
    state.counters["rysuj_rund/s"] = z / przebiegi;
    state.counters["stosunek"] = z / bez;
    // Paints of the view per search: the final route's alone without the
    // drawing, about two a second with it.
    state.counters["rysunki_bez"] = rysunkiBez / przebiegi;
    state.counters["rysunki_z"] = rysunkiZ / przebiegi;
    glowne.hide();
}

} // namespace

BENCHMARK(BM_LokalneOknoStosunek)
    ->ArgNames({"miasta", "sekundy"})
    ->Args({10000, 10})
    ->Args({85900, 30})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
