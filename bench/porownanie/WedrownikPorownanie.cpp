// The local search against the plain one (bench/prosta) at equal wall time,
// one after the other on the same random cities: EUC_2D on whole coordinates
// in [0, 1e6]², lengths in that metric.

#include "bench/ArgumentyBench.h"
#include "bench/OptimaTsplib.h"
#include "bench/ZegaryBench.h"
#include "bench/prosta/PrzeszukiwanieProste.h"
#include "search/JestTrasa.h"
#include "search/Metryka.h"
#include "search/dolne/KandydaciAlfa.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"
#include "storage/PlikZestawu.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Grupa {
    int n = 0;
    int instancji = 0;
    double sekundy = 0.0;
    // A TSPLIB file in place of random cities.
    std::string plik;
};

Metryka losoweMiasta(int n, std::uint64_t instancja) {
    std::mt19937_64 los(instancja * 0x9E3779B97F4A7C15ull + std::uint64_t(n));
    std::vector<double> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        x[std::size_t(i)] = double(los() % 1000001);
        y[std::size_t(i)] = double(los() % 1000001);
    }
    return Metryka::Wspolrzedne(RodzajMetryki::Euc2d, std::move(x), std::move(y));
}

// The published optimum from optima.tsv beside a TSPLIB file; 0 when none.
double optimum(const std::string& plik, const std::string& nazwa) {
    return optimumZ(
        czytajOptima(QFileInfo(QString::fromStdString(plik)).absolutePath().toStdString() + "/optima.tsv"), nazwa);
}

std::vector<std::string> podziel(const std::string& s, char znak) {
    std::vector<std::string> czesci;
    std::istringstream w(s);
    std::string c;
    while (std::getline(w, c, znak))
        czesci.push_back(c);
    return czesci;
}

// key=value,... over PlanPrzeszukiwania::Dla(n), for trying strategies.
bool nadpisz(PlanPrzeszukiwania& plan, const std::string& zmiany) {
    for (const std::string& z : podziel(zmiany, ',')) {
        const auto rowna = z.find('=');
        if (rowna == std::string::npos)
            return false;
        const std::string klucz = z.substr(0, rowna);
        const long long v = std::stoll(z.substr(rowna + 1));
        if (klucz == "sasiedzi")
            plan.sasiedzi = int(v);
        else if (klucz == "wCwiartce")
            plan.wCwiartce = int(v);
        else if (klucz == "najdluzszyOdcinek")
            plan.najdluzszyOdcinek = int(v);
        else if (klucz == "najwiekszaRozpietosc")
            plan.najwiekszaRozpietosc = int(v);
        else if (klucz == "kopniecWRundzie")
            plan.kopniecWRundzie = int(v);
        else if (klucz == "podzialTrasy")
            plan.podzialTrasy = v != 0;
        else if (klucz == "rundWEpoce")
            plan.rundWEpoce = v;
        else if (klucz == "krokiLinKernighana")
            plan.krokiLinKernighana = int(v);
        else if (klucz == "szerokoscLinKernighana")
            plan.szerokoscLinKernighana[0] = int(v);
        else if (klucz == "sasiedziWLancuchu")
            plan.sasiedziWLancuchu = int(v);
        else if (klucz == "szerokoscLinKernighana2")
            plan.szerokoscLinKernighana[1] = int(v);
        else
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Grupa> grupy;
    std::vector<std::uint64_t> ziarna{1};
    int watki = 2;
    std::string zmianyPlanu;
    bool nasze = true, prosta = true;
    bool czasWatku = false;
    // In place of the plain search: ours on alpha-nearness candidates.
    int alfa = 0;
    bool alfaZNajblizszymi = false;
    double udzialAlfy = 0.1;
    ArgumentyBench argumenty(argc, argv);
    while (argumenty.Nastepny()) {
        const std::string& a = argumenty.Biezacy();
        const auto wartosc = [&] { return argumenty.Wartosc(); };
        if (a == "--group") {
            const auto c = podziel(wartosc(), ':');
            if (c.size() != 3) {
                std::fprintf(stderr, "--group CITIES:INSTANCES:SECONDS\n");
                return 2;
            }
            grupy.push_back({std::stoi(c[0]), std::stoi(c[1]), std::stod(c[2]), {}});
        } else if (a == "--file") {
            const std::string w = wartosc();
            const auto dwukropek = w.rfind(':');
            if (dwukropek == std::string::npos) {
                std::fprintf(stderr, "--file PATH:SECONDS\n");
                return 2;
            }
            grupy.push_back({0, 1, std::stod(w.substr(dwukropek + 1)), w.substr(0, dwukropek)});
        } else if (a == "--seeds") {
            ziarna.clear();
            for (const std::string& z : podziel(wartosc(), ','))
                ziarna.push_back(std::stoull(z));
        } else if (a == "--threads")
            watki = std::stoi(wartosc());
        else if (a == "--thread-time")
            czasWatku = true;
        else if (a == "--alpha")
            alfa = std::stoi(wartosc());
        else if (a == "--alpha-nearest")
            alfaZNajblizszymi = true;
        else if (a == "--alpha-share")
            udzialAlfy = std::stod(wartosc());
        else if (a == "--plan")
            zmianyPlanu = wartosc();
        else if (a == "--only") {
            const std::string ktora = wartosc();
            nasze = ktora == "ours";
            prosta = ktora == "plain";
        } else if (a == "--help") {
            std::printf("usage: %s --group CITIES:INSTANCES:SECONDS... --file FILE.tsp:SECONDS... [--seeds 1,2]\n"
                        "       [--threads T]"
                        " [--plan key=value,...] [--only ours|plain] [--thread-time]\n"
                        "       [--alpha K [--alpha-nearest] [--alpha-share F]]\n"
                        "Instances 1..INSTANCES of each group; ours on T threads, the plain search on one,\n"
                        "each for SECONDS. ours_shorter%%: how much shorter ours came out than the plain one.\n"
                        "--thread-time: SECONDS of each thread's processor time instead of wall time, for trials\n"
                        "on a machine shared with other work (ours' set-up then runs outside the limit).\n"
                        "--alpha: ours on each city's K least-alpha neighbours (with its own nearest too:\n"
                        "--alpha-nearest) in the plain search's place, in the same time, F of it (default 0.1)\n"
                        "for the lower bound that gives the alphas.\n",
                        argv[0]);
            return 0;
        } else {
            std::fprintf(stderr, "unknown argument %s; --help for usage\n", a.c_str());
            return 2;
        }
    }
    if (grupy.empty() || ziarna.empty()) {
        std::fprintf(stderr, "no --group or no seeds; --help for usage\n");
        return 2;
    }
    std::printf("%7s %10s %5s %6s %12s %12s %13s %12s %12s\n", "cities", "instance", "seed", "time_s", "ours",
                alfa > 0 ? "alpha" : "plain", "ours_shorter%", "ours_rounds",
                alfa > 0 ? "alpha_rounds" : "plain_kicks");
    std::map<int, std::pair<double, int>> srednie;
    for (const Grupa& g : grupy)
        for (int instancja = 1; instancja <= g.instancji; ++instancja) {
            std::optional<Metryka> metryka;
            std::string nazwa = std::to_string(instancja);
            if (g.plik.empty()) {
                metryka.emplace(losoweMiasta(g.n, std::uint64_t(instancja)));
            } else {
                try {
                    metryka.emplace(PlikZestawu::Wczytaj(QString::fromStdString(g.plik)).metryka);
                } catch (const std::exception& e) {
                    std::fprintf(stderr, "%s: %s\n", g.plik.c_str(), e.what());
                    return 2;
                }
                nazwa = QFileInfo(QString::fromStdString(g.plik)).completeBaseName().toStdString();
            }
            const Metryka& d = *metryka;
            const int n = d.Ilosc();
            for (const std::uint64_t ziarno : ziarna) {
                double nasza = 0.0, prostej = 0.0;
                long long rundy = 0, kopniecia = 0;
                // Ours for sekundy, on the candidates given or its own.
                const auto szukajNaszym = [&](std::shared_ptr<const SasiedziKandydaci> kandydaci, double sekundy,
                                              double& dlugosc, long long& ileRund) {
                    PrzeszukiwanieLokalne szukanie(d);
                    UstawieniaLokalne u;
                    u.limitSekund = czasWatku ? 0.0 : sekundy;
                    u.ziarno = ziarno;
                    u.watki = watki;
                    u.kandydaci = std::move(kandydaci);
                    PlanPrzeszukiwania plan = PlanPrzeszukiwania::Dla(n);
                    if (!nadpisz(plan, zmianyPlanu)) {
                        std::fprintf(stderr, "bad --plan %s\n", zmianyPlanu.c_str());
                        std::exit(2);
                    }
                    u.plan = plan;
                    if (czasWatku) {
                        // Each thread's clock starts at its first call in
                        // this search.
                        std::mutex startyMutex;
                        std::map<std::thread::id, double> starty;
                        szukanie.Szukaj(u, [&] {
                            const double teraz = CzasWatku();
                            const std::lock_guard<std::mutex> blokada(startyMutex);
                            const double start = starty.try_emplace(std::this_thread::get_id(), teraz).first->second;
                            return teraz - start >= sekundy;
                        });
                    } else {
                        szukanie.Szukaj(u, [] { return false; });
                    }
                    if (!JestTrasa(szukanie.Trasa(), n)) {
                        std::fprintf(stderr, "ours: the route is not a permutation\n");
                        std::exit(1);
                    }
                    dlugosc = d.Dlugosc(szukanie.Trasa());
                    ileRund = szukanie.Postep().Rundy();
                };
                if (nasze)
                    szukajNaszym(nullptr, g.sekundy, nasza, rundy);
                if (alfa > 0) {
                    // The bound's time, on the same kind of clock, is the
                    // search's less.
                    const auto t0 = ZegarBench::now();
                    const double c0 = CzasWatku();
                    auto kandydaci =
                        KandydaciAlfa(d, alfa, alfaZNajblizszymi, udzialAlfy * g.sekundy, [] { return false; });
                    const double zuzyte = czasWatku ? CzasWatku() - c0 : SekundyOd(t0);
                    szukajNaszym(std::move(kandydaci), std::max(0.1, g.sekundy - zuzyte), prostej, kopniecia);
                }
                if (prosta && alfa == 0) {
                    const auto wynik = PrzeszukiwanieProste::Szukaj(d, g.sekundy, ziarno, czasWatku);
                    if (!JestTrasa(wynik.trasa, n) || d.Dlugosc(wynik.trasa) != wynik.dlugosc) {
                        std::fprintf(stderr, "plain: a wrong route or length\n");
                        return 1;
                    }
                    prostej = wynik.dlugosc;
                    kopniecia = wynik.kopniecia;
                }
                const double roznica = nasze && prosta ? 100.0 * (prostej - nasza) / prostej : 0.0;
                std::printf("%7d %10s %5llu %6.0f %12.0f %12.0f %13.3f %12lld %12lld\n", n, nazwa.c_str(),
                            static_cast<unsigned long long>(ziarno), g.sekundy, nasza, prostej, roznica, rundy,
                            kopniecia);
                if (const double o = g.plik.empty() ? 0.0 : optimum(g.plik, nazwa); o > 0.0)
                    std::printf("%7s %10s gap to the optimum %.0f: ours %.3f %%, %s %.3f %%\n", "", nazwa.c_str(), o,
                                nasze ? 100.0 * (nasza - o) / o : 0.0, alfa > 0 ? "alpha" : "plain",
                                prosta ? 100.0 * (prostej - o) / o : 0.0);
                std::fflush(stdout);
                srednie[n].first += roznica;
                srednie[n].second += 1;
            }
        }
    if (nasze && prosta)
        for (const auto& [n, s] : srednie)
            std::printf("cities %7d  runs %3d  ours shorter by %7.3f %% on average than %s\n", n, s.second,
                        s.first / s.second, alfa > 0 ? "on alpha candidates" : "the plain search");
    return 0;
}
