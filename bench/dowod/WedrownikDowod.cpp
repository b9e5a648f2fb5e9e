// The proof of the shortest (and, with --longest, the longest) route on
// TSPLIB files: per instance the cities, the route found, the published
// optimum, whether it is proven (and what ended it), the time, the nodes
// and the cuts (in all, and subtours/blossoms/combs); and with
// --grid N, on random layouts of N cities on a grid. Up to
// --permutations-up-to cities, a file's or a layout's, the exact permutation
// search's result stands beside the proof's.

#include "bench/InstancjaTsplib.h"
#include "bench/OptimaTsplib.h"
#include "reference/MiastaTestowe.h"
#include "search/TablicaZMetryki.h"
#include "search/permutacje/PermutacjeDokladne.h"
#include "search/dowod/DowodOptymalnosci.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Processor time of the whole process, the local search's threads
// included: on a machine shared with other work, steadier than wall time.
double sekundyProcesora() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// Whole lengths as whole numbers, the cells' to four decimals.
std::string liczba(double x) {
    char tekst[40];
    std::snprintf(tekst, sizeof tekst, x == std::floor(x) ? "%.0f" : "%.4f", x);
    return tekst;
}

void wiersz(const std::string& nazwa, int n, const WynikDowodu& w, const std::string& znane, double procesor) {
    std::string rodzaje;
    for (const long long ile : w.cieciaRodzaju)
        rodzaje += (rodzaje.empty() ? "" : "/") + std::to_string(ile);
    std::printf("%-10s %6d %12s %12s %6s %9.2f %9.2f %8lld %8lld %12s %12s %12s %8.2f %8.2f %-14s %s\n", nazwa.c_str(),
                n, liczba(w.dlugosc).c_str(), znane.c_str(), w.udowodniona ? "yes" : "no", w.sekundy, procesor,
                w.wezly, w.ciecia, liczba(w.granica).c_str(), liczba(w.granicaKorzenia).c_str(),
                liczba(w.dlugoscPoczatkowa).c_str(), w.sekundyKorzenia, w.sekundyTrasy, NazwaPowodu(w.powod),
                rodzaje.c_str());
    std::fflush(stdout);
}

// One proof, and the processor time it took.
std::pair<WynikDowodu, double> udowodnij(const Metryka& d, CelDowodu cel, const UstawieniaDowodu& u) {
    RunningClock zegar;
    zegar.start();
    const double procesor = sekundyProcesora();
    WynikDowodu w = Udowodnij(d, cel, u, [] { return false; }, zegar, nullptr);
    return {std::move(w), sekundyProcesora() - procesor};
}

// The permutation search's shortest and longest, where it finishes fast.
std::pair<double, double> permutacjami(const Metryka& d) {
    const std::unique_ptr<TablicaOdleglosci> tablica = TablicaZMetryki(d);
    std::atomic<std::uint32_t> nr{0};
    std::atomic<int> procent{0};
    const WynikPermutacji w = PermutacjeDokladne(*tablica, d.Ilosc(), [] { return false; }, nr, procent);
    return {w.najkrotsza, w.najdluzsza};
}

// Layouts of n cities drawn on a bok x bok grid, measured as the window
// measures them.
void siatki(const std::vector<int>& rozmiary, int ile, int bok, const UstawieniaDowodu& u, bool najkrotsza,
            bool najdluzsza, int permutacjeDo) {
    for (int n : rozmiary)
        for (int z = 1; z <= ile; ++z) {
            std::vector<TPunkt> punkty;
            for (const auto& [x, y] : LosoweKomorki(n, bok, bok, std::uint32_t(1000 * n + z)))
                punkty.push_back({x, y});
            const Metryka d = Metryka::Komorki(punkty);
            std::pair<double, double> wzor{0.0, 0.0};
            if (n <= permutacjeDo)
                wzor = permutacjami(d);
            const std::string nazwa = "grid" + std::to_string(n) + "s" + std::to_string(z);
            for (const CelDowodu cel : {CelDowodu::Najkrotsza, CelDowodu::Najdluzsza}) {
                if ((cel == CelDowodu::Najkrotsza && !najkrotsza) || (cel == CelDowodu::Najdluzsza && !najdluzsza))
                    continue;
                const auto [w, procesor] = udowodnij(d, cel, u);
                const double znane = cel == CelDowodu::Najkrotsza ? wzor.first : wzor.second;
                char tekst[32] = "-";
                if (n <= permutacjeDo)
                    std::snprintf(tekst, sizeof tekst, "%.4f", znane);
                wiersz(nazwa + (cel == CelDowodu::Najkrotsza ? "" : "+"), n, w, tekst, procesor);
            }
        }
}

} // namespace

int main(int argc, char** argv) {
    std::string optimaPlik;
    double limit = 60.0;
    bool najdluzsza = false, najkrotsza = true;
    std::vector<std::string> pliki;
    std::vector<int> siatka;
    int ileSiatek = 5, bok = 100, permutacjeDo = 12;
    UstawieniaDowodu ustawienia;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--optima" && i + 1 < argc)
            optimaPlik = argv[++i];
        else if (a == "--seconds" && i + 1 < argc)
            limit = std::atof(argv[++i]);
        else if (a == "--longest")
            najdluzsza = true;
        else if (a == "--only-longest")
            najdluzsza = true, najkrotsza = false;
        else if (a == "--grid" && i + 1 < argc) {
            std::istringstream lista(argv[++i]);
            for (std::string n; std::getline(lista, n, ',');)
                siatka.push_back(std::atoi(n.c_str()));
        } else if (a == "--layouts" && i + 1 < argc)
            ileSiatek = std::atoi(argv[++i]);
        else if (a == "--grid-size" && i + 1 < argc)
            bok = std::atoi(argv[++i]);
        else if (a == "--permutations-up-to" && i + 1 < argc)
            permutacjeDo = std::atoi(argv[++i]);
        else if (a == "--candidates" && i + 1 < argc)
            ustawienia.podzial.rozgalezienie.kandydaci = std::atoi(argv[++i]);
        else if (a == "--candidates-longest" && i + 1 < argc)
            ustawienia.podzial.rozgalezienie.kandydaciNajdluzszej = std::atoi(argv[++i]);
        else if (a == "--rounds-per-city" && i + 1 < argc)
            ustawienia.rundyNaMiasto = std::atoll(argv[++i]);
        else if (a == "--tour-share" && i + 1 < argc)
            ustawienia.czescCzasuTrasy = std::atof(argv[++i]);
        else if (a == "--iterations" && i + 1 < argc)
            ustawienia.podzial.rozgalezienie.iteracje = std::atoi(argv[++i]);
        else if (a == "--no-tree-blossoms")
            ustawienia.podzial.kwiatyDrzewem = false;
        else if (a == "--tree-share" && i + 1 < argc)
            ustawienia.podzial.czescDrzewa = std::atof(argv[++i]);
        else if (a == "--candidates-times-cities" && i + 1 < argc)
            ustawienia.podzial.rozgalezienie.iloczyn = std::atoi(argv[++i]);
        else if (a == "--no-combs")
            ustawienia.podzial.grzebienie = false;
        else if (a == "--certificate")
            ustawienia.certyfikat = true;
        else
            pliki.push_back(a);
    }
    const std::map<std::string, double> optima = optimaPlik.empty() ? std::map<std::string, double>{} : czytajOptima(optimaPlik);
    // cuts_by_kind: subtours/blossoms/combs added.
    std::printf("%-10s %6s %12s %12s %6s %9s %9s %8s %8s %12s %12s %12s %8s %8s %-14s %s\n", "name", "n", "found",
                "published", "proven", "seconds", "cpu_s", "nodes", "cuts", "bound", "root_bound", "first_route",
                "root_s", "route_s", "ended", "cuts_by_kind");
    ustawienia.limitSekund = limit;
    if (!siatka.empty())
        siatki(siatka, ileSiatek, bok, ustawienia, najkrotsza, najdluzsza, permutacjeDo);
    for (const std::string& plik : pliki) {
        const std::optional<InstancjaTsplib> instancja = wczytajTsplib(plik);
        if (!instancja)
            continue;
        const Metryka& d = instancja->miasta.metryka;
        if (najkrotsza) {
            const auto [w, procesor] = udowodnij(d, CelDowodu::Najkrotsza, ustawienia);
            const double optimum = optimumZ(optima, instancja->nazwa);
            wiersz(instancja->nazwa, d.Ilosc(), w, optimum > 0 ? std::to_string(std::llround(optimum)) : "-",
                   procesor);
            if (ustawienia.certyfikat)
                std::printf("  certificate: %s\n",
                            w.certyfikat ? "made and checked" : w.bezCertyfikatu.toStdString().c_str());
        }
        if (najdluzsza) {
            const auto [w, procesor] = udowodnij(d, CelDowodu::Najdluzsza, ustawienia);
            // Beside it the permutation search's longest, where that is asked for.
            wiersz(instancja->nazwa + "+", d.Ilosc(), w,
                   d.Ilosc() <= permutacjeDo ? liczba(permutacjami(d).second) : "-", procesor);
        }
    }
    return 0;
}
