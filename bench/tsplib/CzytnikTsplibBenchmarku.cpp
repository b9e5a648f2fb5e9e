#include "bench/tsplib/CzytnikTsplibBenchmarku.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

std::string przytnij(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return {};
    const auto b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

}  // namespace

bool CzytajInstancjeBenchmarku(const std::string& sciezka, InstancjaBenchmarku& instancja, std::string& blad) {
    std::ifstream plik(sciezka);
    if (!plik) {
        blad = "cannot open";
        return false;
    }
    const auto ukosnik = sciezka.find_last_of('/');
    instancja.nazwa = sciezka.substr(ukosnik == std::string::npos ? 0 : ukosnik + 1);
    if (const auto kropka = instancja.nazwa.rfind(".tsp"); kropka != std::string::npos)
        instancja.nazwa.resize(kropka);
    long long wymiar = -1;
    std::string typ;
    std::string linia;
    while (std::getline(plik, linia)) {
        linia = przytnij(linia);
        if (linia.empty())
            continue;
        if (linia == "EOF")
            break;
        if (linia.rfind("NODE_COORD_SECTION", 0) == 0) {
            if (wymiar <= 0) {
                blad = "no DIMENSION";
                return false;
            }
            instancja.punkty.assign(std::size_t(wymiar), {});
            for (long long i = 0; i < wymiar; ++i) {
                long long numer = 0;
                double x = 0.0, y = 0.0;
                if (!(plik >> numer >> x >> y) || numer < 1 || numer > wymiar) {
                    blad = "bad NODE_COORD_SECTION";
                    return false;
                }
                instancja.punkty[std::size_t(numer - 1)] = {x, y};
            }
            continue;
        }
        if (linia.rfind("FIXED_EDGES_SECTION", 0) == 0) {
            while (std::getline(plik, linia) && przytnij(linia) != "-1") {
            }
            continue;
        }
        if (linia.find("_SECTION") != std::string::npos) {
            blad = "unsupported section";
            return false;
        }
        const auto dwukropek = linia.find(':');
        if (dwukropek == std::string::npos)
            continue;
        const std::string klucz = przytnij(linia.substr(0, dwukropek));
        const std::string wartosc = przytnij(linia.substr(dwukropek + 1));
        if (klucz == "DIMENSION")
            wymiar = std::stoll(wartosc);
        else if (klucz == "EDGE_WEIGHT_TYPE")
            typ = wartosc;
    }
    if (typ == "EUC_2D")
        instancja.metryka = InstancjaBenchmarku::Metryka::Euc2d;
    else if (typ == "CEIL_2D")
        instancja.metryka = InstancjaBenchmarku::Metryka::Ceil2d;
    else if (typ == "ATT")
        instancja.metryka = InstancjaBenchmarku::Metryka::Att;
    else {
        blad = "metric " + typ + " not read here";
        return false;
    }
    if (instancja.punkty.empty()) {
        blad = "no coordinates";
        return false;
    }
    return true;
}

double MetrykaBenchmarku::operator()(int a, int b) const {
    const PunktPlaszczyzny& p = i_.punkty[std::size_t(a)];
    const PunktPlaszczyzny& q = i_.punkty[std::size_t(b)];
    const double dx = p.x - q.x, dy = p.y - q.y;
    switch (i_.metryka) {
    case InstancjaBenchmarku::Metryka::Euc2d:
        return std::floor(std::sqrt(dx * dx + dy * dy) + 0.5);
    case InstancjaBenchmarku::Metryka::Ceil2d:
        return std::ceil(std::sqrt(dx * dx + dy * dy));
    case InstancjaBenchmarku::Metryka::Att: {
        const double r = std::sqrt((dx * dx + dy * dy) / 10.0);
        const double t = std::floor(r + 0.5);
        return t < r ? t + 1.0 : t;
    }
    }
    return 0.0;
}
