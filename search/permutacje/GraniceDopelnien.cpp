#include "search/permutacje/GraniceDopelnien.h"

#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

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

double GraniceDopelnien::Rozmiar(int iloscMiast) {
    return 2.0 * std::ldexp(double(iloscMiast) * sizeof(float), iloscMiast - 1);
}

GraniceDopelnien::GraniceDopelnien(const TablicaOdleglosci& odleglosci, int iloscMiast)
    : odleglosci_(odleglosci), n_(iloscMiast) {
    if (n_ < 2 || n_ > kNajwiecejMiast || n_ > odleglosci.Count())
        throw std::invalid_argument("GraniceDopelnien: city count out of range");
    const std::size_t rozmiar = std::size_t(WszystkieMiasta(n_) + 1) * std::size_t(n_);
    najkrotsze_.assign(rozmiar, 0.0f);
    najdluzsze_.assign(rozmiar, 0.0f);
}

bool GraniceDopelnien::Zbuduj(const std::function<bool()>& przerwij) {
    const TablicaOdleglosci& T = odleglosci_;
    const ZbiorMiast wszystkie = WszystkieMiasta(n_);
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
                    const std::uint32_t bez = zbior & ~BitMiasta(bit + 1);
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
    ZbiorMiast zbior = WszystkieMiasta(n_);
    int koniec = 0;
    trasa[0] = 0;
    for (int pozycja = 1; pozycja < n_; ++pozycja) {
        int wybrane = -1;
        double wartoscWybranego = 0.0;
        for (std::uint32_t reszta = zbior; reszta != 0; reszta &= reszta - 1) {
            const int bit = std::countr_zero(reszta);
            const std::uint32_t bez = zbior & ~BitMiasta(bit + 1);
            const double w = double(odleglosci_[bit + 1][koniec]) + tablica[indeks(bez, bit + 1)];
            if (wybrane < 0 || lepsza(w, wartoscWybranego)) {
                wybrane = bit + 1;
                wartoscWybranego = w;
            }
        }
        trasa[pozycja] = wybrane;
        zbior &= ~BitMiasta(wybrane);
        koniec = wybrane;
    }
}

void GraniceDopelnien::TrasaNajkrotsza(int* trasa) const {
    odtworz(najkrotsze_, [](double a, double b) { return a < b; }, trasa);
}

void GraniceDopelnien::TrasaNajdluzsza(int* trasa) const {
    odtworz(najdluzsze_, [](double a, double b) { return a > b; }, trasa);
}
