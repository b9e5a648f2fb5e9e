#include "search/permutacje/RelaksacjaLagrange.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();
// Far above the relative error of summing a few dozen doubles.
constexpr double kZapasDouble = 1e-12;

} // namespace

RelaksacjaLagrange::RelaksacjaLagrange(std::vector<double> koszty, int n)
    : c_(std::move(koszty)), n_(n), klucz_(std::size_t(n)), rodzic_(std::size_t(n)), wDrzewie_(std::size_t(n)),
      stopien_(std::size_t(n)), kara_(std::size_t(n)), najlepszeKary_(std::size_t(n)) {}

// The cheapest spanning tree of the cities under the penalties (Prim on the
// full graph, the edge between the two ends left out: with a city between
// them no path uses it). Fills the degrees; returns the bound it gives.
double RelaksacjaLagrange::drzewo(const int* wezly, int k, const double* kary) {
    for (int i = 0; i < k; ++i) {
        klucz_[std::size_t(i)] = kNieskonczonosc;
        wDrzewie_[std::size_t(i)] = 0;
        stopien_[std::size_t(i)] = 0;
        kara_[std::size_t(i)] = kary[wezly[i]];
    }
    double suma = 0.0;
    double skala = 0.0;
    int ostatni = 0;
    wDrzewie_[0] = 1;
    for (int dodane = 1; dodane < k; ++dodane) {
        const double* wiersz = c_.data() + std::size_t(wezly[ostatni]) * std::size_t(n_);
        const double karaOstatniego = kara_[std::size_t(ostatni)];
        int nastepny = -1;
        double najmniejszy = kNieskonczonosc;
        for (int i = 1; i < k; ++i) {
            if (wDrzewie_[std::size_t(i)])
                continue;
            if (!(ostatni == 0 && i == 1)) {
                const double w = wiersz[wezly[i]] + karaOstatniego + kara_[std::size_t(i)];
                if (w < klucz_[std::size_t(i)]) {
                    klucz_[std::size_t(i)] = w;
                    rodzic_[std::size_t(i)] = ostatni;
                }
            }
            if (klucz_[std::size_t(i)] < najmniejszy) {
                najmniejszy = klucz_[std::size_t(i)];
                nastepny = i;
            }
        }
        wDrzewie_[std::size_t(nastepny)] = 1;
        ++stopien_[std::size_t(nastepny)];
        ++stopien_[std::size_t(rodzic_[std::size_t(nastepny)])];
        suma += najmniejszy;
        skala += std::abs(najmniejszy);
        ostatni = nastepny;
    }
    for (int i = 0; i < k; ++i) {
        const double cel = i < 2 ? 1.0 : 2.0;
        suma -= cel * kara_[std::size_t(i)];
        skala += cel * std::abs(kara_[std::size_t(i)]);
    }
    return suma - kZapasDouble * skala;
}

double RelaksacjaLagrange::Ocen(const int* wezly, int k, double* kary, int iteracje, double dosc) {
    if (k == 2)
        return c_[std::size_t(wezly[0]) * std::size_t(n_) + std::size_t(wezly[1])];
    if (k == 3) {
        const double* w = c_.data() + std::size_t(wezly[2]) * std::size_t(n_);
        return w[wezly[0]] + w[wezly[1]];
    }
    double najlepsza = -kNieskonczonosc;
    double lambda = 1.0;
    int bezPoprawy = 0;
    for (int i = 0; i < k; ++i)
        najlepszeKary_[std::size_t(i)] = kary[wezly[i]];
    for (int it = 0; it < iteracje; ++it) {
        const double w = drzewo(wezly, k, kary);
        if (w > najlepsza) {
            najlepsza = w;
            bezPoprawy = 0;
            for (int i = 0; i < k; ++i)
                najlepszeKary_[std::size_t(i)] = kary[wezly[i]];
        } else if (++bezPoprawy >= 3) {
            lambda *= 0.5;
            bezPoprawy = 0;
        }
        if (najlepsza >= dosc)
            break;
        double norma = 0.0;
        for (int i = 0; i < k; ++i) {
            const double g = stopien_[std::size_t(i)] - (i < 2 ? 1.0 : 2.0);
            norma += g * g;
        }
        // Every degree on target: the tree is a path between the two ends
        // and the bound is that path's cost, the best there is.
        if (norma == 0.0)
            break;
        const double krok = lambda * std::max(dosc - w, 1e-6 * (1.0 + std::abs(w))) / norma;
        for (int i = 0; i < k; ++i)
            kary[wezly[i]] += krok * (stopien_[std::size_t(i)] - (i < 2 ? 1.0 : 2.0));
    }
    for (int i = 0; i < k; ++i)
        kary[wezly[i]] = najlepszeKary_[std::size_t(i)];
    return najlepsza;
}
