#include "search/GraniceDopelnien.h"

#include <bit>
#include <cmath>
#include <limits>

namespace {

float wDol(double x) {
    float f = static_cast<float>(x);
    if (static_cast<double>(f) > x)
        f = std::nextafter(f, -std::numeric_limits<float>::infinity());
    return f;
}

float wGore(double x) {
    float f = static_cast<float>(x);
    if (static_cast<double>(f) < x)
        f = std::nextafter(f, std::numeric_limits<float>::infinity());
    return f;
}

} // namespace

GraniceDopelnien::GraniceDopelnien(const TablicaOdleglosci& odleglosci, int iloscMiast)
    : odleglosci_(odleglosci), n_(iloscMiast) {
    const std::size_t rozmiar = (std::size_t(1) << (n_ - 1)) * std::size_t(n_);
    najkrotsze_.assign(rozmiar, 0.0f);
    najdluzsze_.assign(rozmiar, 0.0f);
}

bool GraniceDopelnien::Zbuduj(const std::function<bool()>& przerwij) {
    const TablicaOdleglosci& T = odleglosci_;
    const std::uint32_t wszystkie = (std::uint32_t(1) << (n_ - 1)) - 1;
    for (std::uint32_t zbior = 0; zbior <= wszystkie; ++zbior) {
        if ((zbior & 0xFFu) == 0 && przerwij())
            return false;
        for (int koniec = 0; koniec < n_; ++koniec) {
            // City 0 ends a route only before anything else is placed.
            if (koniec == 0 ? zbior != wszystkie : (zbior >> (koniec - 1)) & 1u)
                continue;
            double najkrotsza;
            double najdluzsza;
            if (zbior == 0) {
                najkrotsza = najdluzsza = T[0][koniec];
            } else {
                najkrotsza = std::numeric_limits<double>::infinity();
                najdluzsza = -najkrotsza;
                for (std::uint32_t reszta = zbior; reszta != 0; reszta &= reszta - 1) {
                    const int bit = std::countr_zero(reszta);
                    const int nastepne = bit + 1;
                    const std::uint32_t bez = zbior & ~(std::uint32_t(1) << bit);
                    const double krok = T[nastepne][koniec];
                    const double k = krok + najkrotsze_[indeks(bez, nastepne)];
                    const double d = krok + najdluzsze_[indeks(bez, nastepne)];
                    if (k < najkrotsza)
                        najkrotsza = k;
                    if (d > najdluzsza)
                        najdluzsza = d;
                }
            }
            najkrotsze_[indeks(zbior, koniec)] = wDol(najkrotsza);
            najdluzsze_[indeks(zbior, koniec)] = wGore(najdluzsza);
        }
    }
    return true;
}

template <class Lepsza>
void GraniceDopelnien::odtworz(const std::vector<float>& tablica, Lepsza lepsza, int* trasa) const {
    std::uint32_t zbior = (std::uint32_t(1) << (n_ - 1)) - 1;
    int koniec = 0;
    trasa[0] = 0;
    for (int pozycja = 1; pozycja < n_; ++pozycja) {
        int wybrane = -1;
        double wartoscWybranego = 0.0;
        for (std::uint32_t reszta = zbior; reszta != 0; reszta &= reszta - 1) {
            const int bit = std::countr_zero(reszta);
            const std::uint32_t bez = zbior & ~(std::uint32_t(1) << bit);
            const double w = double(odleglosci_[bit + 1][koniec]) + tablica[indeks(bez, bit + 1)];
            if (wybrane < 0 || lepsza(w, wartoscWybranego)) {
                wybrane = bit + 1;
                wartoscWybranego = w;
            }
        }
        trasa[pozycja] = wybrane;
        zbior &= ~(std::uint32_t(1) << (wybrane - 1));
        koniec = wybrane;
    }
}

void GraniceDopelnien::TrasaNajkrotsza(int* trasa) const {
    odtworz(najkrotsze_, [](double a, double b) { return a < b; }, trasa);
}

void GraniceDopelnien::TrasaNajdluzsza(int* trasa) const {
    odtworz(najdluzsze_, [](double a, double b) { return a > b; }, trasa);
}
