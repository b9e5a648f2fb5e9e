#pragma once

#include <cmath>

// A round step for about five ticks along a length: 1, 2 or 5 times a
// power of ten.
inline double KrokOsi(double dlugosc) {
    const double surowy = dlugosc / 5.0;
    const double potega = std::pow(10.0, std::floor(std::log10(surowy)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * potega >= surowy)
            return m * potega;
    return 10.0 * potega;
}
