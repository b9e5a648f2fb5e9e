#include "search/dowod/NaprawaSprzecznosci.h"

#include "search/dowod/ProgramLiniowy.h"
#include "search/dowod/WycenaKrawedzi.h"

#include <vector>

Sprzecznosc NaprawSprzecznosc(ProgramLiniowy& lp, WycenaKrawedzi& wycena, std::size_t limitKolumn) {
    const std::vector<double> promien = lp.PromienSprzecznosci();
    if (promien.empty())
        return Sprzecznosc::Nieznana;
    WycenaKrawedzi::Wynik najlepsza;
    for (const double znak : {1.0, -1.0}) {
        std::vector<double> r(promien);
        for (double& y : r)
            y *= znak;
        WycenaKrawedzi::Wynik w = wycena.Wycen(r, false, limitKolumn);
        if (w.granica > 0.0L)
            return Sprzecznosc::Dowiedziona;
        if (w.ujemne.size() > najlepsza.ujemne.size())
            najlepsza = std::move(w);
    }
    if (najlepsza.ujemne.empty())
        return Sprzecznosc::Nieznana;
    std::vector<Krawedz> nowe;
    for (const WycenaKrawedzi::Ujemna& u : najlepsza.ujemne)
        nowe.push_back(u.krawedz);
    lp.DodajKrawedzie(nowe);
    return Sprzecznosc::Dodane;
}
