#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <string>

// optima.tsv beside the TSPLIB files: a header line, then a name and its
// published optimum per line. Empty when the file cannot be read.
inline std::map<std::string, double> czytajOptima(const std::string& sciezka) {
    std::map<std::string, double> optima;
    std::ifstream plik(sciezka);
    std::string linia;
    std::getline(plik, linia);
    while (std::getline(plik, linia)) {
        std::istringstream w(linia);
        std::string nazwa;
        double optimum = 0.0;
        if (w >> nazwa >> optimum)
            optima[nazwa] = optimum;
    }
    return optima;
}

// The instance's published optimum; 0 when there is none.
inline double optimumZ(const std::map<std::string, double>& optima, const std::string& nazwa) {
    const auto it = optima.find(nazwa);
    return it == optima.end() ? 0.0 : it->second;
}
