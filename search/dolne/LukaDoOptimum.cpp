#include "search/dolne/LukaDoOptimum.h"

#include "search/dolne/GranicaTrasy.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdint>

std::optional<double> LukaCoNajwyzej(double trasa, double ograniczenie, bool calkowite, int miejsc) {
    if (trasa <= 0.0 && ograniczenie >= trasa)
        return 0.0;
    if (!(ograniczenie > 0.0) || !std::isfinite(trasa))
        return std::nullopt;
    if (trasa <= ograniczenie)
        return 0.0;
    const double skala = std::pow(10.0, miejsc);
    // Whole numbers below 2^43 keep (trasa - ograniczenie) * 100 * 10^miejsc
    // below 2^63 for up to four decimals: the ceiling of an exact quotient.
    if (calkowite && trasa < 0x1p43 && miejsc >= 0 && miejsc <= 4) {
        const std::int64_t t = std::int64_t(trasa), o = std::int64_t(ograniczenie);
        if (double(t) == trasa && double(o) == ograniczenie) {
            const std::int64_t licznik = (t - o) * 100 * std::int64_t(skala);
            return double((licznik + o - 1) / o) / skala;
        }
    }
    // The division may land a hair above a figure that is exact: within a
    // part in 10^12 it counts as that figure (the bound in the cells is
    // already lowered by more than that, see BezpieczneOgraniczenie).
    const double luka = (trasa - ograniczenie) / ograniczenie * 100.0 * skala;
    const double nizej = std::floor(luka);
    return (luka - nizej <= 1e-12 * luka ? nizej : std::ceil(luka)) / skala;
}

QString OpisLuki(double luka, int miejsc) {
    if (luka <= 0.0)
        return QStringLiteral("optymalna");
    return QStringLiteral("co najwyżej %1 % powyżej optimum").arg(QLocale().toString(luka, 'f', miejsc));
}

std::optional<double> LukaTrasy(const Metryka& d, std::span<const int> trasa, double dlugosc, double limitSekund,
                                const std::function<bool()>& przerwij, const RunningClock& zegar) {
    const std::optional<double> granica = GranicaTrasy(d, trasa, dlugosc, limitSekund, przerwij, zegar);
    if (!granica)
        return std::nullopt;
    return LukaCoNajwyzej(dlugosc, *granica, d.Calkowita());
}
