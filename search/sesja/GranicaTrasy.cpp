#include "search/sesja/GranicaTrasy.h"

#include "search/dolne/OgraniczenieDolne.h"
#include "search/dowod/DowodOptymalnosci.h"
#include "search/dowod/ZasiegDowodu.h"

#include <algorithm>
#include <cmath>
#include <stop_token>
#include <thread>
#include <vector>

std::optional<double> GranicaTrasy(const Metryka& d, std::span<const int> trasa, double dlugosc, double limitSekund,
                                   const std::function<bool()>& przerwij, const RunningClock& zegar) {
    const int n = d.Ilosc();
    // In the window's cells branch and cut proves only to within a
    // millionth: its bound is no bound there.
    const bool zProgramu = d.Calkowita() && n > 3 && n <= kDowodNajwiecejMiast && int(trasa.size()) == n;
    std::optional<double> granicaProgramu;
    std::jthread watek;
    if (zProgramu) {
        UstawieniaDowodu u;
        u.limitSekund = limitSekund > 0.0 ? zegar.seconds() + limitSekund : 0.0;
        u.watki = 1;
        watek = std::jthread([&, u, pierwsza = std::vector<int>(trasa.begin(), trasa.end())](std::stop_token stop) {
            // A failure here, Clp's own errors included (they derive from
            // no standard exception), leaves Held and Karp's bound standing:
            // the route and its own bound are worth more than this extra.
            try {
                const WynikDowodu w = Udowodnij(
                    d, CelDowodu::Najkrotsza, u, [&] { return stop.stop_requested() || przerwij(); }, zegar, nullptr,
                    pierwsza);
                if (std::isfinite(w.granica))
                    granicaProgramu = w.granica;
            } catch (...) {
            }
        });
    }
    UstawieniaOgraniczenia uo;
    uo.limitSekund = limitSekund;
    uo.dlugoscTrasy = dlugosc;
    uo.zegar = [&zegar] { return zegar.seconds(); };
    const OgraniczenieDolne o = ObliczOgraniczenieDolne(d, uo, przerwij);
    // A bound that reached the route leaves nothing for the other to add.
    if (o.Jest() && o.wartosc >= dlugosc)
        watek.request_stop();
    if (watek.joinable())
        watek.join();
    std::optional<double> granica;
    if (o.Jest())
        granica = o.wartosc;
    if (granicaProgramu)
        granica = std::max(granica.value_or(*granicaProgramu), *granicaProgramu);
    if (granica)
        granica = std::min(*granica, dlugosc);
    return granica;
}
