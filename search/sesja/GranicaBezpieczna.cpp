#include "search/sesja/GranicaBezpieczna.h"

#include <cmath>

double GranicaWydruku(double granica, bool gorna, bool calkowita) {
    const double skala = calkowita ? 1.0 : 1e4;
    return (gorna ? std::ceil(granica * skala) : std::floor(granica * skala)) / skala;
}

double GranicaSumPojedynczych(double granica, bool gorna, int n, bool calkowita) {
    if (!calkowita) {
        // One more step than the sum has additions covers the rounding of
        // the bound's own double sums as well.
        const double k = double(n) * std::ldexp(1.0, -24);
        const double gamma = k / (1.0 - k);
        const bool wiekszy = (granica >= 0.0) == gorna;
        granica *= wiekszy ? 1.0 + gamma : 1.0 - gamma;
    }
    return GranicaWydruku(granica, gorna, calkowita);
}
