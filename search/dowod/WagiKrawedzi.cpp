#include "search/dowod/WagiKrawedzi.h"

#include <algorithm>
#include <numeric>

WagiKrawedzi::WagiKrawedzi(const Metryka& d, CelDowodu cel)
    : n_(d.Ilosc()), cel_(cel), calkowite_(d.Calkowita()), w_(IloscKrawedzi(d.Ilosc())) {
    const double znak = cel == CelDowodu::Najkrotsza ? 1.0 : -1.0;
    std::size_t i = 0;
    for (int a = 1; a < n_; ++a)
        for (int b = 0; b < a; ++b, ++i)
            w_[i] = znak * d(a, b);
}

long double WagiKrawedzi::Waga(const std::vector<int>& trasa) const {
    long double suma = 0.0L;
    for (std::size_t k = 0; k < trasa.size(); ++k)
        suma += (*this)(trasa[k], trasa[(k + 1) % trasa.size()]);
    return suma;
}

std::vector<Krawedz> WagiKrawedzi::Najlzejsze(int k) const {
    std::vector<Krawedz> wynik;
    k = std::min(k, n_ - 1);
    if (k <= 0)
        return wynik;
    std::vector<int> inne(std::size_t(n_ - 1));
    for (int a = 0; a < n_; ++a) {
        std::iota(inne.begin(), inne.begin() + a, 0);
        std::iota(inne.begin() + a, inne.end(), a + 1);
        std::partial_sort(inne.begin(), inne.begin() + k, inne.end(), [&](int u, int v) {
            const double wu = (*this)(a, u), wv = (*this)(a, v);
            return wu < wv || (wu == wv && u < v);
        });
        for (int j = 0; j < k; ++j)
            wynik.emplace_back(a, inne[std::size_t(j)]);
    }
    std::sort(wynik.begin(), wynik.end());
    wynik.erase(std::unique(wynik.begin(), wynik.end()), wynik.end());
    return wynik;
}
