#include "reference/PermutacjeDoslowne.h"

#include "search/SumaTrasy.h"

#include <numeric>
#include <utility>

float DlugoscDoslowna(const TablicaOdleglosci& odleglosci, const int* trasa, int n) {
    return SumaTrasy(odleglosci, trasa, n);
}

namespace {

template <class Odwiedzona>
WynikDoslowny przeglad(const TablicaOdleglosci& T, int n, Odwiedzona odwiedzona) {
    WynikDoslowny wynik;
    std::vector<int> q(static_cast<std::size_t>(n));
    std::iota(q.begin(), q.end(), 0);
    odwiedzona(q);
    wynik.najkrotsza = wynik.najdluzsza = DlugoscDoslowna(T, q.data(), n);
    wynik.trasa = q;

    int i = n - 2;
    while (i > 0) {
        if (q[i] < q[i + 1]) {
            int k = i + 1;
            int minimum = n + 10;
            for (int j = i + 1; j < n; ++j)
                if (q[j] < minimum && q[j] > q[i]) {
                    minimum = q[j];
                    k = j;
                }
            std::swap(q[i], q[k]);
            for (int a = i + 1, b = n - 1; a < b; ++a, --b)
                std::swap(q[a], q[b]);
            odwiedzona(q);
            const float L = DlugoscDoslowna(T, q.data(), n);
            if (L < wynik.najkrotsza) {
                wynik.najkrotsza = L;
                wynik.trasa = q;
            }
            if (L > wynik.najdluzsza)
                wynik.najdluzsza = L;
            ++wynik.nrPermutacji;
            i = n - 1;
        }
        --i;
    }
    return wynik;
}

} // namespace

WynikDoslowny PermutacjeDoslownie(const TablicaOdleglosci& odleglosci, int n) {
    return przeglad(odleglosci, n, [](const std::vector<int>&) {});
}

WynikDoslowny PermutacjeDoslownie(const TablicaOdleglosci& odleglosci, int n,
                                  const std::function<void(const std::vector<int>&)>& odwiedzona) {
    return przeglad(odleglosci, n, [&](const std::vector<int>& q) { odwiedzona(q); });
}
