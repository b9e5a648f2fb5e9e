// The local search against the plain one (bench/prosta) at equal wall time,
// one after the other on the same random cities: EUC_2D on whole coordinates
// in [0, 1e6]², lengths in that metric.

#include "bench/prosta/PrzeszukiwanieProste.h"
#include "search/Metryka.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Grupa {
    int n = 0;
    int instancji = 0;
    double sekundy = 0.0;
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

bool jestPermutacja(const std::vector<int>& trasa, int n) {
    std::vector<char> byla(std::size_t(n), 0);
    for (const int c : trasa) {
        if (c < 0 || c >= n || byla[std::size_t(c)])
            return false;
        byla[std::size_t(c)] = 1;
    }
    return int(trasa.size()) == n;
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
        else if (klucz == "glebokoscLinKernighana")
            plan.glebokoscLinKernighana = int(v);
        else if (klucz.starts_with("szerokoscLinKernighana") && klucz.size() == 23 && klucz[22] >= '1' && klucz[22] <= '3')
            plan.szerokoscLinKernighana[std::size_t(klucz[22] - '1')] = int(v);
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
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto wartosc = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s needs a value\n", a.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--group") {
            const auto c = podziel(wartosc(), ':');
            if (c.size() != 3) {
                std::fprintf(stderr, "--group CITIES:INSTANCES:SECONDS\n");
                return 2;
            }
            grupy.push_back({std::stoi(c[0]), std::stoi(c[1]), std::stod(c[2])});
        } else if (a == "--seeds") {
            ziarna.clear();
            for (const std::string& z : podziel(wartosc(), ','))
                ziarna.push_back(std::stoull(z));
        } else if (a == "--threads")
            watki = std::stoi(wartosc());
        else if (a == "--plan")
            zmianyPlanu = wartosc();
        else if (a == "--only") {
            const std::string ktora = wartosc();
            nasze = ktora == "ours";
            prosta = ktora == "plain";
        } else if (a == "--help") {
            std::printf("usage: %s --group CITIES:INSTANCES:SECONDS... [--seeds 1,2] [--threads T]\n"
                        "       [--plan key=value,...] [--only ours|plain]\n"
                        "Instances 1..INSTANCES of each group; ours on T threads, the plain search on one,\n"
                        "each for SECONDS. ours_shorter%%: how much shorter ours came out than the plain one.\n",
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
    std::printf("%7s %8s %5s %6s %12s %12s %13s %12s %12s\n", "cities", "instance", "seed", "time_s", "ours", "plain",
                "ours_shorter%", "ours_rounds", "plain_kicks");
    std::map<int, std::pair<double, int>> srednie;
    for (const Grupa& g : grupy)
        for (int instancja = 1; instancja <= g.instancji; ++instancja) {
            const Metryka d = losoweMiasta(g.n, std::uint64_t(instancja));
            std::vector<PunktPlaszczyzny> punkty;
            for (int i = 0; i < g.n; ++i)
                punkty.push_back({d.X()[std::size_t(i)], d.Y()[std::size_t(i)]});
            for (const std::uint64_t ziarno : ziarna) {
                double nasza = 0.0, prostej = 0.0;
                long long rundy = 0, kopniecia = 0;
                if (nasze) {
                    PrzeszukiwanieLokalne<Metryka> szukanie(d, g.n, punkty);
                    UstawieniaLokalne u;
                    u.limitSekund = g.sekundy;
                    u.ziarno = ziarno;
                    u.watki = watki;
                    PlanPrzeszukiwania plan = PlanPrzeszukiwania::Dla(g.n);
                    if (!nadpisz(plan, zmianyPlanu)) {
                        std::fprintf(stderr, "bad --plan %s\n", zmianyPlanu.c_str());
                        return 2;
                    }
                    u.plan = plan;
                    szukanie.Szukaj(u, [] { return false; });
                    if (!jestPermutacja(szukanie.Trasa(), g.n)) {
                        std::fprintf(stderr, "ours: the route is not a permutation\n");
                        return 1;
                    }
                    nasza = d.Dlugosc(szukanie.Trasa());
                    rundy = szukanie.Postep().Rundy();
                }
                if (prosta) {
                    const auto wynik = PrzeszukiwanieProste::Szukaj(d, g.sekundy, ziarno);
                    if (!jestPermutacja(wynik.trasa, g.n) || d.Dlugosc(wynik.trasa) != wynik.dlugosc) {
                        std::fprintf(stderr, "plain: a wrong route or length\n");
                        return 1;
                    }
                    prostej = wynik.dlugosc;
                    kopniecia = wynik.kopniecia;
                }
                const double roznica = nasze && prosta ? 100.0 * (prostej - nasza) / prostej : 0.0;
                std::printf("%7d %8d %5llu %6.0f %12.0f %12.0f %13.3f %12lld %12lld\n", g.n, instancja,
                            static_cast<unsigned long long>(ziarno), g.sekundy, nasza, prostej, roznica, rundy,
                            kopniecia);
                std::fflush(stdout);
                srednie[g.n].first += roznica;
                srednie[g.n].second += 1;
            }
        }
    if (nasze && prosta)
        for (const auto& [n, s] : srednie)
            std::printf("cities %7d  runs %3d  ours shorter by %7.3f %% on average\n", n, s.second, s.first / s.second);
    return 0;
}
