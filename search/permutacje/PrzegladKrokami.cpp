#include "search/permutacje/PrzegladKrokami.h"

#include "search/BramkaKrokow.h"
#include "search/Silnia.h"
#include "search/SumaTrasy.h"
#include "search/permutacje/GraniceProste.h"
#include "search/permutacje/ZaokraglenieSum.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

constexpr double kJednostkaZaokraglenia = 0x1p-24;

class Przeglad {
public:
    Przeglad(const TablicaOdleglosci& T, int n, BramkaKrokow& kroki, const std::function<bool()>& przerwij,
             std::atomic<std::uint32_t>& nr)
        : T_(T), n_(std::max(n, 1)), kroki_(kroki), przerwij_(przerwij), nr_(nr) {
        const std::size_t rozmiar = std::size_t(n_);
        trasa_.assign(rozmiar, 0);
        sumy_.assign(rozmiar, 0.0f);
        nastepny_.assign(rozmiar + 1, 1);
        uzyte_.assign(rozmiar, 0);
        wynik_.trasa.resize(rozmiar);
        std::iota(wynik_.trasa.begin(), wynik_.trasa.end(), 0);
        wynik_.najkrotsza = wynik_.najdluzsza = SumaTrasy(T_, wynik_.trasa.data(), n_);
        zGranicami_ = n_ >= 3 && NadajeSieDoOgraniczen(T_, n_);
        if (zGranicami_)
            przygotujGranice();
    }

    WynikPrzegladuKrokami Przejdz();

private:
    void przygotujGranice();
    bool trasa(float dlugosc);
    bool odcieta(float p, int c, int d);
    bool dalej() {
        nr_.store(std::uint32_t(pokryte_ - 1), std::memory_order_relaxed);
        return !przerwij_();
    }

    const TablicaOdleglosci& T_;
    int n_;
    BramkaKrokow& kroki_;
    const std::function<bool()>& przerwij_;
    std::atomic<std::uint32_t>& nr_;
    WynikPrzegladuKrokami wynik_;
    Liczba128 pokryte_ = 0;
    long long ocenione_ = 0;
    std::vector<int> trasa_;
    std::vector<float> sumy_;
    std::vector<int> nastepny_;
    std::vector<unsigned char> uzyte_;
    bool zGranicami_ = false;
    std::vector<double> tansze_, drozsze_, sumyTanszych_, sumyDrozszych_;
    GraniceProste granice_{};
};

void Przeglad::przygotujGranice() {
    const std::size_t n = std::size_t(n_);
    tansze_.assign(n, 0.0);
    drozsze_.assign(n, 0.0);
    sumyTanszych_.assign(n + 1, 0.0);
    sumyDrozszych_.assign(n + 1, 0.0);
    double zamkniecieTansze = std::numeric_limits<double>::infinity();
    double zamkniecieDrozsze = 0.0;
    for (int u = 1; u < n_; ++u) {
        double najtansze = std::numeric_limits<double>::infinity();
        double najdrozsze = 0.0;
        for (int v = 1; v < n_; ++v)
            if (v != u) {
                najtansze = std::min(najtansze, double(T_[u][v]));
                najdrozsze = std::max(najdrozsze, double(T_[u][v]));
            }
        tansze_[std::size_t(u)] = najtansze;
        drozsze_[std::size_t(u)] = najdrozsze;
        sumyTanszych_[0] += najtansze;
        sumyDrozszych_[0] += najdrozsze;
        zamkniecieTansze = std::min(zamkniecieTansze, double(T_[0][u]));
        zamkniecieDrozsze = std::max(zamkniecieDrozsze, double(T_[0][u]));
    }
    // As the full-speed walk does: margins for the single-precision sums
    // unless every sum is exact.
    const bool dokladne = KrokDokladnychSum(T_, n_) != 0.0;
    const double zapas = dokladne ? 0.0 : (n_ + 2) * kJednostkaZaokraglenia;
    granice_ = GraniceProste{tansze_.data(), drozsze_.data(), zamkniecieTansze, zamkniecieDrozsze,
                             1.0 - zapas, 1.0 + zapas, sumyTanszych_.data(), sumyDrozszych_.data()};
}

bool Przeglad::trasa(float dlugosc) {
    OpisKroku opis;
    opis.rodzaj = OpisKroku::Rodzaj::Trasa;
    opis.trasa = trasa_;
    opis.wartosc = dlugosc;
    opis.najlepsza = wynik_.najkrotsza;
    opis.numer = ++ocenione_;
    if (dlugosc < wynik_.najkrotsza) {
        wynik_.najkrotsza = dlugosc;
        wynik_.trasa = trasa_;
    }
    wynik_.najdluzsza = std::max(wynik_.najdluzsza, dlugosc);
    ++pokryte_;
    opis.najlepszaTrasa = wynik_.trasa;
    return !kroki_.Krok(std::move(opis)) && dalej();
}

bool Przeglad::odcieta(float p, int c, int d) {
    OpisKroku opis;
    opis.rodzaj = OpisKroku::Rodzaj::Odciecie;
    opis.trasa.assign(trasa_.begin(), trasa_.begin() + d);
    opis.trasa.push_back(c);
    opis.wartosc = granice_.Dolna(p, c);
    opis.gorna = granice_.Gorna(p, c);
    opis.najlepsza = wynik_.najkrotsza;
    opis.najdluzsza = wynik_.najdluzsza;
    opis.ile = (long long)std::min<Liczba128>(Silnia(n_ - 1 - d), std::numeric_limits<long long>::max());
    pokryte_ += Silnia(n_ - 1 - d);
    return !kroki_.Krok(std::move(opis)) && dalej();
}

WynikPrzegladuKrokami Przeglad::Przejdz() {
    if (n_ < 3) {
        // One route only: the identity, evaluated as the only step.
        trasa_ = wynik_.trasa;
        trasa(wynik_.najkrotsza);
        return wynik_;
    }
    uzyte_[0] = 1;
    int d = 1;
    for (;;) {
        int c = nastepny_[std::size_t(d)];
        while (c < n_ && uzyte_[std::size_t(c)])
            ++c;
        if (c >= n_) {
            if (--d == 0)
                break;
            uzyte_[std::size_t(trasa_[std::size_t(d)])] = 0;
            if (zGranicami_)
                granice_.zwolnij(0, 0.0f);
            continue;
        }
        nastepny_[std::size_t(d)] = c + 1;
        const float p = sumy_[std::size_t(d - 1)] + T_[c][trasa_[std::size_t(d - 1)]];
        if (d == n_ - 1) {
            trasa_[std::size_t(d)] = c;
            if (!trasa(p + T_[0][c]))
                break;
            continue;
        }
        if (zGranicami_ && granice_.bezZmian(p, c, wynik_.najkrotsza, wynik_.najdluzsza)) {
            if (!odcieta(p, c, d))
                break;
            continue;
        }
        trasa_[std::size_t(d)] = c;
        uzyte_[std::size_t(c)] = 1;
        if (zGranicami_)
            granice_.zajmij(c);
        sumy_[std::size_t(d)] = p;
        ++d;
        nastepny_[std::size_t(d)] = 1;
    }
    return wynik_;
}

} // namespace

WynikPrzegladuKrokami PrzegladKrokami(const TablicaOdleglosci& odleglosci, int iloscMiast, BramkaKrokow& kroki,
                                       const std::function<bool()>& przerwij,
                                       std::atomic<std::uint32_t>& nrPermutacji) {
    return Przeglad(odleglosci, iloscMiast, kroki, przerwij, nrPermutacji).Przejdz();
}
