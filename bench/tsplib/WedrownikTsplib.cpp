// The local search on TSPLIB files, gap to the published optimum per
// instance and per size class; and with --grid, on random cities of a
// 25 x 25 grid against the exact permutation search.

#include "bench/ArgumentyBench.h"
#include "bench/InstancjaTsplib.h"
#include "bench/KlasyRozmiaru.h"
#include "bench/OptimaTsplib.h"
#include "bench/ZegaryBench.h"
#include "reference/MiastaTestowe.h"
#include "search/JestTrasa.h"
#include "search/SumaTrasy.h"
#include "search/dolne/KandydaciAlfa.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"
#include "search/permutacje/PrzegladPermutacji.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

void wyzerujSzczytPamieci() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double szczytPamieciMB() {
    std::ifstream status("/proc/self/status");
    std::string klucz;
    while (status >> klucz)
        if (klucz == "VmHWM:") {
            double kb = 0.0;
            status >> kb;
            return kb / 1024.0;
        }
    return 0.0;
}

// The time each size class gets when none is given.
double domyslnyCzas(int n) {
    constexpr double kCzasy[] = {10.0, 60.0, 300.0};
    return kCzasy[KlasaDla(n)];
}

// Candidate neighbours from alpha-nearness: each city's alfa least-alpha
// ones (0: the search's own nearest and quadrant neighbours), joined with
// those when zNajblizszymi. The bound's ascent that gives the penalties
// takes udzial of the run's time, counted against the search's.
struct Kandydaci {
    int alfa = 0;
    bool zNajblizszymi = false;
    double udzial = 0.1;
};

int tsplib(const std::vector<std::string>& pliki, const std::string& optimaPlik, double sekundy,
           const std::vector<std::uint64_t>& ziarna, int watki, long long rundy, const Kandydaci& kandydaci) {
    const auto optima = czytajOptima(optimaPlik);
    std::vector<WynikInstancji> wyniki;
    std::printf("%-10s %7s %12s %12s %8s %8s %8s\n", "instance", "cities", "length", "optimum", "gap%", "time_s",
                "peak_MB");
    for (const std::string& plik : pliki) {
        wyzerujSzczytPamieci();
        const auto t0 = ZegarBench::now();
        const std::optional<InstancjaTsplib> instancja = wczytajTsplib(plik);
        if (!instancja)
            continue;
        const double czytanie = SekundyOd(t0);
        const std::string& nazwa = instancja->nazwa;
        const Metryka& metryka = instancja->miasta.metryka;
        const int n = metryka.Ilosc();
        std::vector<double> dlugosci, czasy;
        for (const std::uint64_t ziarno : ziarna) {
            const auto t1 = ZegarBench::now();
            PrzeszukiwanieLokalne szukanie(metryka);
            UstawieniaLokalne u;
            u.limitSekund = rundy >= 0 ? 0.0 : std::max(0.1, (sekundy > 0 ? sekundy : domyslnyCzas(n)) - czytanie);
            if (kandydaci.alfa > 0) {
                const double naAlfe = kandydaci.udzial * (sekundy > 0 ? sekundy : domyslnyCzas(n));
                u.kandydaci = KandydaciAlfa(metryka, kandydaci.alfa, kandydaci.zNajblizszymi, naAlfe, [] { return false; });
                if (u.limitSekund > 0)
                    u.limitSekund = std::max(0.1, u.limitSekund - SekundyOd(t1));
            }
            u.limitRund = rundy;
            u.ziarno = ziarno;
            u.watki = watki;
            szukanie.Szukaj(u, [] { return false; });
            if (!JestTrasa(szukanie.Trasa(), n)) {
                std::fprintf(stderr, "%s: the route is not a permutation\n", nazwa.c_str());
                return 1;
            }
            // The length in the file's metric, counted again from the route.
            dlugosci.push_back(metryka.Dlugosc(szukanie.Trasa()));
            czasy.push_back(czytanie + SekundyOd(t1));
        }
        std::sort(dlugosci.begin(), dlugosci.end());
        const double dlugosc = dlugosci[dlugosci.size() / 2];
        const double czas = *std::max_element(czasy.begin(), czasy.end());
        const double pamiec = szczytPamieciMB();
        const double optimum = optimumZ(optima, nazwa);
        if (optimum > 0) {
            const double luka = 100.0 * (dlugosc - optimum) / optimum;
            std::printf("%-10s %7d %12.0f %12.0f %8.3f %8.2f %8.1f\n", nazwa.c_str(), n, dlugosc, optimum, luka,
                        czas, pamiec);
            wyniki.push_back({nazwa, n, luka, czas});
        } else {
            std::printf("%-10s %7d %12.0f %12s %8s %8.2f %8.1f\n", nazwa.c_str(), n, dlugosc, "-", "-", czas, pamiec);
        }
        std::fflush(stdout);
    }
    wypiszKlasy("gap", wyniki);
    return 0;
}

int siatka(int ukladow, double sekundy, int watki, long long rundy) {
    int zgodne = 0;
    double najdluzej = 0.0;
    for (int u = 0; u < ukladow; ++u) {
        const int n = 12 + u % 19;
        const Komorki komorki = LosoweKomorki(n, 25, 25, std::uint32_t(1000 + u));
        const TablicaOdleglosci tablica = TablicaDla(komorki);
        std::vector<TPunkt> punkty;
        for (const auto& [x, y] : komorki)
            punkty.push_back({x, y});
        // Float cell distances as the window computes them.
        const Metryka d = Metryka::Komorki(punkty);
        const auto t0 = ZegarBench::now();
        PrzeszukiwanieLokalne szukanie(d);
        UstawieniaLokalne ust;
        ust.limitSekund = sekundy;
        ust.limitRund = rundy;
        ust.ziarno = std::uint64_t(u + 1);
        ust.watki = watki;
        szukanie.Szukaj(ust, [] { return false; });
        const double czas = SekundyOd(t0);
        najdluzej = std::max(najdluzej, czas);
        PrzegladPermutacji dokladny(tablica, n);
        std::atomic<std::uint32_t> nr{0};
        dokladny.Szukaj([] { return false; }, nr);
        const float lokalna = SumaTrasy(tablica, szukanie.Trasa().data(), n);
        const float optimum = dokladny.NajkrotszaDroga();
        const bool zgodna = lokalna <= optimum * (1.0f + 1e-6f);
        zgodne += zgodna ? 1 : 0;
        std::printf("layout %3d  cities %2d  local %10.4f  exact %10.4f  %s  %.3f s\n", u, n, double(lokalna),
                    double(optimum), zgodna ? "same" : "LONGER", czas);
        std::fflush(stdout);
    }
    std::printf("grid layouts: %d of %d at the exact optimum, slowest %.3f s\n", zgodne, ukladow, najdluzej);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> pliki;
    std::string optima;
    double sekundy = 0.0;
    std::vector<std::uint64_t> ziarna{1};
    int watki = 2;
    long long rundy = -1;
    int ukladow = 0;
    Kandydaci kandydaci;
    ArgumentyBench argumenty(argc, argv);
    while (argumenty.Nastepny()) {
        const std::string& a = argumenty.Biezacy();
        const auto wartosc = [&] { return argumenty.Wartosc(); };
        if (a == "--seconds")
            sekundy = std::stod(wartosc());
        else if (a == "--seeds") {
            ziarna.clear();
            std::istringstream w(wartosc());
            std::string z;
            while (std::getline(w, z, ','))
                ziarna.push_back(std::stoull(z));
        } else if (a == "--threads")
            watki = std::stoi(wartosc());
        else if (a == "--rounds")
            rundy = std::stoll(wartosc());
        else if (a == "--optima")
            optima = wartosc();
        else if (a == "--alpha")
            kandydaci.alfa = std::stoi(wartosc());
        else if (a == "--alpha-nearest")
            kandydaci.zNajblizszymi = true;
        else if (a == "--alpha-share")
            kandydaci.udzial = std::stod(wartosc());
        else if (a == "--grid")
            ukladow = std::stoi(wartosc());
        else if (a == "--help") {
            std::printf("usage: %s [--seconds S] [--seeds 1,2,3] [--threads T] [--rounds R] [--optima optima.tsv] "
                        "[--alpha K [--alpha-nearest] [--alpha-share F]] file.tsp...\n       %s --grid LAYOUTS [--seconds S] [--rounds R]\n",
                        argv[0], argv[0]);
            return 0;
        } else
            pliki.push_back(a);
    }
    if (ukladow > 0)
        return siatka(ukladow, sekundy > 0 ? sekundy : 1.0, watki, rundy);
    if (ziarna.empty() || pliki.empty()) {
        std::fprintf(stderr, "no files or no seeds; --help for usage\n");
        return 2;
    }
    return tsplib(pliki, optima, sekundy, ziarna, watki, rundy, kandydaci);
}
