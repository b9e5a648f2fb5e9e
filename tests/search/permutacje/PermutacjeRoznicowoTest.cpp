// The fast permutation search against the literal one, result for result.

#include "tests/search/permutacje/TObliczThreadTest.h"

#include "search/permutacje/PrzegladPermutacji.h"
#include "reference/PermutacjeDoslowne.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace oblicz_test;

namespace {

struct Siatka {
    int kolumny;
    int wiersze;
};

// Small grids give many routes of equal length; the large one, the
// benchmark's, gives near-ties that only rounding tells apart.
constexpr Siatka kSiatki[] = {{3, 3}, {4, 4}, {5, 5}, {25, 25}, {12, 1}, {2, 6}};

int ileInstancji(int n) {
    static constexpr int kIle[] = {0, 0, 100, 200, 300, 300, 300, 300, 200, 100, 30, 8};
    return std::max(1, kIle[n] / kSkala);
}

void porownajZDoslownym(const TObliczThread& watek, const WynikDoslowny& wzor, const std::string& opis) {
    ASSERT_TRUE(watek.Zakonczony) << opis;
    EXPECT_EQ(watek.NajlepszaTrasa, wzor.trasa) << opis;
    EXPECT_EQ(bity(watek.NajkrotszaDroga), bity(wzor.najkrotsza)) << opis;
    EXPECT_EQ(bity(watek.NajdluzszaDroga), bity(wzor.najdluzsza)) << opis;
    EXPECT_EQ(watek.NrPermutacji.load(), wzor.nrPermutacji) << opis;
}

std::string opisKomorek(const Komorki& miasta) {
    std::string opis;
    for (const auto& [x, y] : miasta)
        opis += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    return opis;
}

// Tables no grid gives: asymmetric, with zeros, whole numbers (exact sums)
// or values a few float steps apart.
TablicaOdleglosci tablicaSyntetyczna(int n, int rodzaj, std::mt19937& los) {
    TablicaOdleglosci tablica(n);
    std::uniform_int_distribution<int> maly(0, 3);
    std::uniform_int_distribution<int> kroki(0, 6);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            float w = 0.0f;
            if (rodzaj == 0)
                w = float(maly(los));
            else if (rodzaj == 1)
                w = float(std::sqrt(double(1 + maly(los))));
            else
                w = 7.0f + float(kroki(los)) * 0x1p-21f;
            tablica[i][j] = i == j ? 0.0f : w;
        }
    return tablica;
}

} // namespace

TEST(PermutacjeRoznicowo, WorkerMatchesLiteralSearchOnRandomGrids) {
    std::mt19937 los(20240611);
    for (int n = 2; n <= 11; ++n) {
        for (int k = 0; k < ileInstancji(n); ++k) {
            std::size_t g = std::size_t(k);
            while (kSiatki[g % std::size(kSiatki)].kolumny * kSiatki[g % std::size(kSiatki)].wiersze < n)
                ++g;
            const Siatka siatka = kSiatki[g % std::size(kSiatki)];
            const Komorki miasta = LosoweKomorki(n, siatka.kolumny, siatka.wiersze, los());
            const OdleglosciSlot slot = slotDla(miasta);
            const WynikDoslowny wzor = PermutacjeDoslownie(*slot, n);

            TObliczThread watek;
            skonfiguruj(watek, slot, 1);
            watek.release();
            watek.waitForEnd();
            ASSERT_NO_FATAL_FAILURE(porownajZDoslownym(watek, wzor, opisKomorek(miasta)));
            ASSERT_EQ(watek.IlePermutacji.load(), TObliczThread::Silnia(n));
        }
    }
}

TEST(PermutacjeRoznicowo, DegenerateLayoutsMatchLiteralSearch) {
    // Collinear cities (whole-number distances), a diagonal (every sum
    // rounds) and a filled block: hosts of equal-length routes.
    std::vector<Komorki> uklady;
    Komorki wiersz, przekatna, blok;
    for (int i = 0; i < 10; ++i) {
        wiersz.emplace_back(i, 0);
        przekatna.emplace_back(i, i);
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            blok.emplace_back(x, y);
    for (const Komorki& miasta : {wiersz, przekatna, blok}) {
        const OdleglosciSlot slot = slotDla(miasta);
        TObliczThread watek;
        skonfiguruj(watek, slot, 1);
        watek.release();
        watek.waitForEnd();
        porownajZDoslownym(watek, PermutacjeDoslownie(*slot, slot->Count()), opisKomorek(miasta));
    }
}

TEST(PermutacjeRoznicowo, EveryBoundMatchesLiteralSearchOnUnusualTables) {
    using O = PrzegladPermutacji::Ograniczenie;
    std::mt19937 los(77);
    std::atomic<std::uint32_t> nr{0};
    for (int n = 2; n <= 9; ++n)
        for (int k = 0; k < std::max(1, 60 / kSkala); ++k) {
            const int rodzaj = k % 4;
            const TablicaOdleglosci tablica = rodzaj < 3 ? tablicaSyntetyczna(n, rodzaj, los)
                                                         : TablicaDla(LosoweKomorki(n, 4, 4, los()));
            const WynikDoslowny wzor = PermutacjeDoslownie(tablica, n);
            using C = PrzegladPermutacji::Cel;
            for (O ograniczenie : {O::Brak, O::Proste, O::HeldKarp, O::Lagrange})
                for (C cel : {C::Oba, C::Najkrotsza, C::Najdluzsza}) {
                    PrzegladPermutacji przeglad(tablica, n, ograniczenie, cel);
                    ASSERT_TRUE(przeglad.Szukaj([] { return false; }, nr, 7));
                    const std::string opis = "n=" + std::to_string(n) + " rodzaj=" + std::to_string(rodzaj) +
                                             " ograniczenie=" + std::to_string(int(ograniczenie)) +
                                             " cel=" + std::to_string(int(cel));
                    // A walk after one result settles that one only.
                    if (przeglad.UzytyCel() != C::Najdluzsza) {
                        ASSERT_EQ(przeglad.NajlepszaTrasa(), wzor.trasa) << opis;
                        ASSERT_EQ(bity(przeglad.NajkrotszaDroga()), bity(wzor.najkrotsza)) << opis;
                    }
                    if (przeglad.UzytyCel() != C::Najkrotsza) {
                        ASSERT_EQ(bity(przeglad.NajdluzszaDroga()), bity(wzor.najdluzsza)) << opis;
                    }
                    ASSERT_EQ(nr.load(), wzor.nrPermutacji) << opis;
                }
        }
}

TEST(PermutacjeRoznicowo, TableWithNegativeEntryIsSearchedInFull) {
    // Bounds would be unsound here; the search then skips nothing.
    TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(7, 5, 5, 3));
    tablica[4][2] = -30.0f;
    PrzegladPermutacji przeglad(tablica, 7);
    std::atomic<std::uint32_t> nr{0};
    przeglad.Szukaj([] { return false; }, nr);
    EXPECT_EQ(przeglad.UzyteOgraniczenie(), PrzegladPermutacji::Ograniczenie::Brak);
    const WynikDoslowny wzor = PermutacjeDoslownie(tablica, 7);
    EXPECT_EQ(przeglad.NajlepszaTrasa(), wzor.trasa);
    EXPECT_EQ(bity(przeglad.NajkrotszaDroga()), bity(wzor.najkrotsza));
    EXPECT_EQ(bity(przeglad.NajdluzszaDroga()), bity(wzor.najdluzsza));
}

TEST(PermutacjeRoznicowo, SkippedRoutesAreCountedSoTheTotalIsExact) {
    const TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(12, 25, 25, 5));
    PrzegladPermutacji przeglad(tablica, 12);
    std::atomic<std::uint32_t> nr{0};
    przeglad.Szukaj([] { return false; }, nr);
    EXPECT_EQ(przeglad.UzyteOgraniczenie(), PrzegladPermutacji::Ograniczenie::HeldKarp);
    EXPECT_EQ(przeglad.Pokryte(), 39916800u);
    EXPECT_EQ(nr.load(), 39916800u - 1);
    // The bound earns its keep: only a sliver of the routes is evaluated.
    EXPECT_LT(przeglad.Odwiedzone(), 39916800u / 1000);
}
