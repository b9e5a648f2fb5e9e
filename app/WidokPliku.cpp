#include "app/WidokPliku.h"

#include "storage/InstancjaTsp.h"
#include "storage/MetrykaTsp.h"

#include <cmath>
#include <numbers>

namespace {

// The first city at the top and on clockwise, in the file's order.
void rozstawNaOkregu(int n, std::vector<double>& x, std::vector<double>& y) {
    constexpr double promien = 1000.0;
    x.resize(std::size_t(n));
    y.resize(std::size_t(n));
    for (int k = 0; k < n; ++k) {
        const double kat = std::numbers::pi / 2.0 - 2.0 * std::numbers::pi * k / n;
        x[std::size_t(k)] = promien * std::cos(kat);
        y[std::size_t(k)] = promien * std::sin(kat);
    }
}

} // namespace

WidokPliku WidokPliku::ZInstancji(const InstancjaTsp& instancja, const QString& sciezka) {
    WidokPliku widok;
    widok.sciezka = sciezka;
    widok.nazwa = instancja.Nazwa;
    if (instancja.TypWag == TypWagTsp::Jawne && !instancja.MaWspolrzedne()) {
        widok.naOkregu = true;
        rozstawNaOkregu(instancja.Ilosc(), widok.x, widok.y);
    } else if (instancja.TypWag == TypWagTsp::Geo) {
        // The file's x is the latitude, its y the longitude: across goes
        // the longitude.
        widok.x.reserve(instancja.Y.size());
        widok.y.reserve(instancja.X.size());
        for (std::size_t k = 0; k < instancja.X.size(); ++k) {
            widok.x.push_back(StopnieZeStopniMinut(instancja.Y[k]));
            widok.y.push_back(StopnieZeStopniMinut(instancja.X[k]));
        }
    } else {
        widok.x = instancja.X;
        widok.y = instancja.Y;
    }
    return widok;
}
