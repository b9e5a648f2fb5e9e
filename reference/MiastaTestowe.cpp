#include "reference/MiastaTestowe.h"

#include <algorithm>
#include <cmath>
#include <random>

TablicaOdleglosci TablicaDla(const Komorki& miasta) {
    const int n = int(miasta.size());
    TablicaOdleglosci tablica(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const int dx = miasta[std::size_t(i)].first - miasta[std::size_t(j)].first;
            const int dy = miasta[std::size_t(i)].second - miasta[std::size_t(j)].second;
            tablica[i][j] = float(std::sqrt(double(dx * dx + dy * dy)));
        }
    return tablica;
}

Komorki LosoweKomorki(int n, int kolumny, int wiersze, std::uint32_t ziarno) {
    std::mt19937 los(ziarno);
    std::vector<int> komorki(std::size_t(kolumny) * std::size_t(wiersze));
    for (std::size_t k = 0; k < komorki.size(); ++k)
        komorki[k] = int(k);
    std::shuffle(komorki.begin(), komorki.end(), los);
    komorki.resize(std::min(komorki.size(), std::size_t(std::max(n, 0))));
    std::sort(komorki.begin(), komorki.end());
    Komorki miasta;
    for (int k : komorki)
        miasta.emplace_back(k % kolumny, k / kolumny);
    return miasta;
}
