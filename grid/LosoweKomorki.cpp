#include "grid/LosoweKomorki.h"

#include "search/LosowaLiczba.h"

#include <algorithm>
#include <cstddef>

namespace {

// Marks `ile` of the unmarked cells with `wartosc`.
void oznacz(std::uint8_t* komorki, int wiersze, int kolumny, std::int64_t ile, std::uint8_t wartosc) {
    const std::int64_t liczba = std::int64_t(wiersze) * kolumny;
    if (ile * 16 <= liczba) {
        // Few: a row and a column are drawn until an unmarked cell turns up;
        // with at most one cell in sixteen marked, few draws are wasted.
        for (std::int64_t k = 0; k < ile; ++k) {
            std::size_t indeks;
            do {
                const int wiersz = LosowaLiczba(wiersze);
                const int kolumna = LosowaLiczba(kolumny);
                indeks = std::size_t(wiersz) * std::size_t(kolumny) + std::size_t(kolumna);
            } while (komorki[indeks] == wartosc);
            komorki[indeks] = wartosc;
        }
        return;
    }
    // Many: one pass, each cell taken with the chance of the marks still due
    // among the cells still ahead, which ends with exactly `ile` taken. The
    // chance is a 31-bit draw held against that fraction, and the cell is
    // written either way: a coin toss is a branch no processor predicts.
    const auto puste = std::uint8_t(1 - wartosc);
    for (std::int64_t i = 0; i < liczba && ile > 0; ++i) {
        const bool bierz = std::uint64_t(Losowanie31()) * std::uint64_t(liczba - i) < (std::uint64_t(ile) << 31);
        komorki[i] = std::uint8_t(puste ^ std::uint8_t(bierz));
        ile -= bierz;
    }
}

} // namespace

void LosujKomorki(std::uint8_t* komorki, int wiersze, int kolumny, std::int64_t miasta) {
    const std::int64_t liczba = std::int64_t(std::max(wiersze, 0)) * std::max(kolumny, 0);
    miasta = std::clamp<std::int64_t>(miasta, 0, liczba);
    // Past half of the table the empty cells are drawn among the cities
    // instead: a uniformly random set of either leaves one of the other.
    const bool puste = miasta > liczba - miasta;
    std::fill(komorki, komorki + liczba, puste ? 1 : 0);
    oznacz(komorki, wiersze, kolumny, puste ? liczba - miasta : miasta, puste ? 0 : 1);
}
