#include "search/dolne/JednoDrzewo.h"

#include <algorithm>

std::vector<int> JednoDrzewo::Stopnie() const {
    std::vector<int> stopien(rodzic.size(), 0);
    for (std::size_t c = 0; c < rodzic.size(); ++c)
        if (rodzic[c] >= 0) {
            ++stopien[c];
            ++stopien[std::size_t(rodzic[c])];
        }
    if (specjalne >= 0) {
        ++stopien[std::size_t(specjalne)];
        ++stopien[std::size_t(drugi)];
    }
    return stopien;
}

double JednoDrzewo::Wartosc(const Metryka& d, std::span<const double> kary) const {
    // The distances apart from the penalties: whole distances sum exactly.
    double odleglosci = 0.0;
    for (std::size_t c = 0; c < rodzic.size(); ++c)
        if (rodzic[c] >= 0)
            odleglosci += d(int(c), rodzic[c]);
    if (specjalne >= 0)
        odleglosci += d(specjalne, drugi);
    const std::vector<int> stopien = Stopnie();
    double kara = 0.0;
    for (std::size_t c = 0; c < rodzic.size(); ++c)
        kara += kary[c] * double(stopien[c] - 2);
    return odleglosci + kara;
}

bool JednoDrzewo::JestTrasa() const {
    const std::vector<int> stopien = Stopnie();
    return std::all_of(stopien.begin(), stopien.end(), [](int s) { return s == 2; });
}

JednoDrzewo DrzewoZKrawedzi(int n, std::span<const std::pair<int, int>> krawedzie) {
    std::vector<int> poczatki(std::size_t(n) + 1, 0);
    for (const auto& [a, b] : krawedzie) {
        ++poczatki[std::size_t(a) + 1];
        ++poczatki[std::size_t(b) + 1];
    }
    for (std::size_t k = 1; k < poczatki.size(); ++k)
        poczatki[k] += poczatki[k - 1];
    std::vector<int> sasiedzi(poczatki.back());
    std::vector<int> wolne(poczatki.begin(), poczatki.end() - 1);
    for (const auto& [a, b] : krawedzie) {
        sasiedzi[std::size_t(wolne[std::size_t(a)]++)] = b;
        sasiedzi[std::size_t(wolne[std::size_t(b)]++)] = a;
    }
    JednoDrzewo drzewo;
    drzewo.rodzic.assign(std::size_t(n), -1);
    drzewo.kolejnosc.reserve(std::size_t(n));
    if (n == 0)
        return drzewo;
    std::vector<char> byl(std::size_t(n), 0);
    drzewo.kolejnosc.push_back(0);
    byl[0] = 1;
    for (std::size_t k = 0; k < drzewo.kolejnosc.size(); ++k) {
        const int a = drzewo.kolejnosc[k];
        for (int p = poczatki[std::size_t(a)]; p < poczatki[std::size_t(a) + 1]; ++p) {
            const int b = sasiedzi[std::size_t(p)];
            if (!byl[std::size_t(b)]) {
                byl[std::size_t(b)] = 1;
                drzewo.rodzic[std::size_t(b)] = a;
                drzewo.kolejnosc.push_back(b);
            }
        }
    }
    return drzewo;
}
