// The lower bound on TSPLIB files: per instance the bound, the published
// optimum, the shortfall in per cent and the time; then the mean shortfall
// per size class.

#include "bench/ArgumentyBench.h"
#include "bench/InstancjaTsplib.h"
#include "bench/KlasyRozmiaru.h"
#include "bench/OptimaTsplib.h"
#include "bench/ZegaryBench.h"
#include "search/dolne/OgraniczenieDolne.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// A tenth of the local search's default time for the size class.
double domyslnyCzas(int n) {
    constexpr double kCzasy[] = {1.0, 6.0, 120.0};
    return kCzasy[KlasaDla(n)];
}

struct Opcje {
    double sekundy = 0.0;
    // The ascent's target: the optimum this many per cent up (a stand-in
    // for a local search's route), a local search of szukaj seconds, or,
    // when neither, a greedy route.
    std::optional<double> celProcent;
    double szukaj = 0.0;
    std::optional<PlanOgraniczenia> plan;
    // The limit and the time shown in the thread's processor time, for a
    // machine shared with other work.
    bool czasWatku = false;
};

int uruchom(const std::vector<std::string>& pliki, const std::string& optimaPlik, const Opcje& o) {
    const auto optima = czytajOptima(optimaPlik);
    std::vector<WynikInstancji> wyniki;
    std::printf("%-10s %7s %12s %12s %9s %8s %6s %4s %8s\n", "instance", "cities", "bound", "optimum",
                "short%", "time_s", "steps", "chk", "target%");
    for (const std::string& plik : pliki) {
        const std::optional<InstancjaTsplib> instancja = wczytajTsplib(plik);
        if (!instancja)
            continue;
        const std::string& nazwa = instancja->nazwa;
        const Metryka& d = instancja->miasta.metryka;
        const int n = d.Ilosc();
        const double optimum = optimumZ(optima, nazwa);
        UstawieniaOgraniczenia u;
        u.limitSekund = o.sekundy > 0 ? o.sekundy : domyslnyCzas(n);
        u.plan = o.plan;
        if (o.szukaj > 0) {
            PrzeszukiwanieLokalne szukanie(d);
            UstawieniaLokalne ul;
            ul.limitSekund = o.szukaj;
            szukanie.Szukaj(ul, [] { return false; });
            u.dlugoscTrasy = d.Dlugosc(szukanie.Trasa());
        } else if (o.celProcent && optimum > 0) {
            u.dlugoscTrasy = optimum * (1.0 + *o.celProcent / 100.0);
        }
        if (o.czasWatku)
            u.zegar = CzasWatku;
        const auto t0 = ZegarBench::now();
        const OgraniczenieDolne wynik = ObliczOgraniczenieDolne(d, u, [] { return false; });
        const double czas = o.czasWatku ? wynik.sekundy : SekundyOd(t0);
        const double cel = u.dlugoscTrasy && optimum > 0 ? 100.0 * (*u.dlugoscTrasy - optimum) / optimum : -1.0;
        if (optimum > 0)
            std::printf("%-10s %7d %12.0f %12.0f %9.3f %8.2f %6d %4d %8.2f%s\n", nazwa.c_str(), n, wynik.wartosc,
                        optimum, 100.0 * (optimum - wynik.wartosc) / optimum, czas, wynik.iteracje,
                        wynik.kontrole, cel, wynik.wartosc > optimum ? "  ABOVE THE OPTIMUM" : "");
        else
            std::printf("%-10s %7d %12.0f %12s %9s %8.2f %6d %4d\n", nazwa.c_str(), n, wynik.wartosc, "-", "-",
                        czas, wynik.iteracje, wynik.kontrole);
        std::fflush(stdout);
        if (wynik.wartosc > optimum && optimum > 0)
            return 1;
        if (optimum > 0)
            wyniki.push_back({nazwa, n, 100.0 * (optimum - wynik.wartosc) / optimum, czas});
    }
    wypiszKlasy("shortfall", wyniki);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> pliki;
    std::string optima;
    Opcje o;
    ArgumentyBench argumenty(argc, argv);
    while (argumenty.Nastepny()) {
        const std::string& a = argumenty.Biezacy();
        const auto wartosc = [&] { return argumenty.Wartosc(); };
        const auto plan = [&]() -> PlanOgraniczenia& {
            if (!o.plan)
                o.plan = PlanOgraniczenia::Dla(0);
            return *o.plan;
        };
        if (a == "--seconds")
            o.sekundy = std::stod(wartosc());
        else if (a == "--target")
            o.celProcent = std::stod(wartosc());
        else if (a == "--thread-time")
            o.czasWatku = true;
        else if (a == "--search")
            o.szukaj = std::stod(wartosc());
        else if (a == "--optima")
            optima = wartosc();
        else if (a == "--neighbours")
            plan().sasiedzi = std::stoi(wartosc());
        else if (a == "--quadrant")
            plan().wCwiartce = std::stoi(wartosc());
        else if (a == "--lambda")
            plan().lambdaPoczatkowa = std::stod(wartosc());
        else if (a == "--lambda-end")
            plan().lambdaKoncowa = std::stod(wartosc());
        else if (a == "--patience")
            plan().cierpliwosc = std::stoi(wartosc());
        else if (a == "--no-volume")
            plan().objetosc = false;
        else if (a == "--steps-per-patience")
            plan().krokowNaCierpliwosc = std::stod(wartosc());
        else if (a == "--patience-max")
            plan().cierpliwoscNajwieksza = std::stod(wartosc());
        else if (a == "--volume-switch")
            plan().krokowDlaObjetosci = std::stod(wartosc());
        else if (a == "--volume-lambda")
            plan().lambdaObjetosci = std::stod(wartosc());
        else if (a == "--volume-alpha")
            plan().alfaObjetosci = std::stod(wartosc());
        else if (a == "--inertia")
            plan().bezwladnosc = std::stod(wartosc());
        else if (a == "--help") {
            std::printf("usage: %s [--seconds S] [--target PERCENT | --search S] [--optima optima.tsv] "
                        "[--neighbours K] [--quadrant Q] [--lambda L] [--lambda-end L] [--patience P] "
                        "[--inertia B] [--no-volume] [--volume-switch STEPS] [--volume-lambda L] "
                        "[--volume-alpha A] [--steps-per-patience S] [--patience-max P] [--thread-time] file.tsp...\n"
                        "  --seconds: the bound's time limit (default a tenth of the local search's: 1 s up to\n"
                        "  1,002 cities, 6 s up to 20,000, 120 s above); --target: the ascent aims at the\n"
                        "  optimum this many per cent up; --search: at the route of a local search of S\n"
                        "  seconds; neither: at a greedy route. --thread-time: the limit and the times shown\n"
                        "  in the thread's processor time, on a machine shared with other work.\n",
                        argv[0]);
            return 0;
        } else
            pliki.push_back(a);
    }
    if (pliki.empty()) {
        std::fprintf(stderr, "no files; --help for usage\n");
        return 2;
    }
    return uruchom(pliki, optima, o);
}
