#include "search/dowod/Rozgalezienie.h"

#include "search/dowod/CelDowodu.h"
#include "search/dowod/ProgramLiniowy.h"
#include "search/dowod/TolerancjeDowodu.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

int WybierzRozgalezienie(ProgramLiniowy& lp, const UstawieniaRozgalezienia& ustawienia) {
    struct Kandydat {
        double odPolowy, waga;
        int kolumna;
    };
    std::vector<Kandydat> kandydaci;
    const std::span<const double> x = lp.X();
    for (int j = 0; j < lp.IloscKolumn(); ++j) {
        const double v = x[std::size_t(j)];
        if (v > TolerancjeDowodu::kCalkowite && v < 1.0 - TolerancjeDowodu::kCalkowite)
            kandydaci.push_back({std::fabs(v - 0.5), std::fabs(lp.Wagi()(lp.Krawedzie()[std::size_t(j)])), j});
    }
    if (kandydaci.empty())
        return -1;
    // x in the same tenth of distance from 1/2 counts as equally fractional.
    std::sort(kandydaci.begin(), kandydaci.end(), [](const Kandydat& p, const Kandydat& q) {
        const int kp = int(p.odPolowy * 10.0), kq = int(q.odPolowy * 10.0);
        return kp < kq || (kp == kq && p.waga > q.waga);
    });
    int najwiecej =
        lp.Wagi().Cel() == CelDowodu::Najdluzsza ? ustawienia.kandydaciNajdluzszej : ustawienia.kandydaci;
    if (ustawienia.iloczyn > 0)
        najwiecej = std::min(najwiecej, std::max(ustawienia.najmniej, ustawienia.iloczyn / lp.IloscMiast()));
    const std::size_t ile = std::min<std::size_t>(kandydaci.size(), std::size_t(std::max(1, najwiecej)));
    if (ile == 1)
        return kandydaci.front().kolumna;
    const double z = lp.Wartosc();
    double najlepszy = -1.0;
    int wybrana = kandydaci.front().kolumna;
    for (std::size_t k = 0; k < ile; ++k) {
        const int j = kandydaci[k].kolumna;
        const double zero = lp.Probuj(j, 0.0, 0.0, ustawienia.iteracje) - z;
        const double jeden = lp.Probuj(j, 1.0, 1.0, ustawienia.iteracje) - z;
        const double slabszy = std::min(zero, jeden), silniejszy = std::max(zero, jeden);
        const double ocena = std::isinf(slabszy) ? std::numeric_limits<double>::max()
                                                 : 5.0 / 6.0 * slabszy + 1.0 / 6.0 * std::min(silniejszy, 1e30);
        if (ocena > najlepszy) {
            najlepszy = ocena;
            wybrana = j;
        }
    }
    return wybrana;
}
