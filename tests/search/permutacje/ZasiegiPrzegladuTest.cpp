// Which parts of the exact search run at which size, and the search at the
// edges of their reach.

#include "tests/search/permutacje/TObliczThreadTest.h"

#include "search/permutacje/GraniceDopelnien.h"
#include "search/permutacje/PermutacjeDokladne.h"
#include "search/permutacje/ProgramDynamiczny.h"
#include "search/permutacje/PrzegladPermutacji.h"
#include "search/SumaTrasy.h"
#include "search/permutacje/TrasaProgowa.h"
#include "search/permutacje/ZasiegiPrzegladu.h"
#include "toolkit/core/UserError.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

using namespace oblicz_test;

namespace {

using O = PrzegladPermutacji::Ograniczenie;
using C = PrzegladPermutacji::Cel;

// 33 cells drawn at random from the 25 x 25 grid, numbered row by row.
const Komorki kTrzydziesciTrzy = {
    {3, 1},   {11, 1},  {7, 2},   {11, 3},  {18, 3},  {12, 6},  {18, 6},  {23, 6},  {6, 7},   {17, 8},  {11, 9},
    {16, 9},  {7, 10},  {24, 10}, {15, 12}, {1, 13},  {19, 14}, {22, 14}, {5, 15},  {14, 15}, {2, 16},  {8, 17},
    {16, 17}, {5, 18},  {1, 19},  {14, 20}, {21, 20}, {13, 21}, {7, 22},  {23, 22}, {20, 23}, {20, 24}, {21, 24}};

} // namespace

TEST(ZasiegiPrzegladu, EveryCityCountFrom2To40RunsOneWalkWithinWhatItsPartsSupport) {
    for (int n = 2; n <= 40; ++n) {
        const std::string opis = "n=" + std::to_string(n);
        const bool tablice = Uzyta(CzescPrzegladu::Tablice, n);
        const bool lagrange = Uzyta(CzescPrzegladu::Lagrange, n);
        const bool proste = Uzyta(CzescPrzegladu::Proste, n);
        EXPECT_EQ(int(tablice) + int(lagrange) + int(proste), 1) << opis;
        for (const ZasiegCzesci& z : kZasiegiPrzegladu) {
            if (Uzyta(z.czesc, n)) {
                EXPECT_LE(n, z.najwiecejMiast) << opis;
            }
        }
        if (Uzyta(CzescPrzegladu::ProgramDynamiczny, n) || Uzyta(CzescPrzegladu::PamiecTablic, n)) {
            EXPECT_TRUE(lagrange || tablice) << opis;
        }
        // The counter of routes holds (n-1)! exactly where the tables walk
        // reports its progress through it.
        EXPECT_EQ(tablice, TObliczThread::Silnia(n) != 0) << opis;

        // The walk the search builds for n keeps the bound the table names.
        const TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(n, 25, 25, std::uint32_t(n)));
        const PrzegladPermutacji przeglad(tablica, n);
        EXPECT_EQ(przeglad.UzyteOgraniczenie(), n < 3      ? O::Brak
                                                : tablice  ? O::HeldKarp
                                                : lagrange ? O::Lagrange
                                                           : O::Proste)
            << opis;
        // Asked for more than a part supports, the walk takes a weaker one.
        if (!Obslugiwana(CzescPrzegladu::Lagrange, n)) {
            EXPECT_EQ(PrzegladPermutacji(tablica, n, O::Lagrange).UzyteOgraniczenie(), O::Proste) << opis;
        }
        if (!Obslugiwana(CzescPrzegladu::Tablice, n) && Obslugiwana(CzescPrzegladu::Lagrange, n)) {
            EXPECT_EQ(PrzegladPermutacji(tablica, n, O::HeldKarp).UzyteOgraniczenie(), O::Lagrange) << opis;
        }
        MemoryAccount konto(std::uint64_t(1) << 40);
        if (!Obslugiwana(CzescPrzegladu::ProgramDynamiczny, n) || n < 3) {
            EXPECT_THROW(ProgramDynamiczny(tablica, n, konto), std::invalid_argument) << opis;
        }
        if (!Obslugiwana(CzescPrzegladu::Tablice, n)) {
            EXPECT_THROW(GraniceDopelnien(tablica, n), std::invalid_argument) << opis;
        }
        EXPECT_EQ(konto.left(), std::ldexp(1.0, 40)) << opis;
    }
}

TEST(ZasiegiPrzegladu, ThirtyThreeCitiesGiveNoLongerARouteThanAHeuristic) {
    const TablicaOdleglosci tablica = TablicaDla(kTrzydziesciTrzy);
    std::atomic<std::uint32_t> nr{0};
    std::atomic<int> procent{0};
    const WynikPermutacji wynik = PermutacjeDokladne(tablica, 33, [] { return false; }, nr, procent);
    ASSERT_TRUE(isPermutation(wynik.trasa, 33));
    EXPECT_EQ(bity(wynik.najkrotsza), bity(SumaTrasy(tablica, wynik.trasa.data(), 33)));
    EXPECT_EQ(procent.load(), 100);
    const auto nigdy = [] { return false; };
    const std::optional<TrasaProgowa> krotka = ZnajdzTraseProgowa(tablica, 33, false, nigdy);
    const std::optional<TrasaProgowa> dluga = ZnajdzTraseProgowa(tablica, 33, true, nigdy);
    ASSERT_TRUE(krotka && dluga);
    EXPECT_LE(wynik.najkrotsza, krotka->dlugosc);
    EXPECT_GE(wynik.najdluzsza, dluga->dlugosc);
}

TEST(ZasiegiPrzegladu, ShareOfRoutesNeverFallsNorReachesAHundredBeforeTheEnd) {
    for (int n = 14; n <= 33; ++n) {
        const std::string opis = "n=" + std::to_string(n);
        const TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(n, 25, 25, std::uint32_t(100 + n)));
        std::atomic<std::uint32_t> nr{0};
        std::atomic<int> procent{0};
        std::atomic<int> ostatni{0};
        std::atomic<bool> cofnal{false};
        std::atomic<bool> pelny{false};
        std::atomic<int> pytania{0};
        std::mutex kolejnosc;
        // Read on both threads at every poll; a run that takes long is cut
        // short after enough polls to have seen the share move. The read and
        // the comparison happen under one lock, so that a share read earlier
        // is never compared against one another thread read later.
        const auto przerwij = [&] {
            const std::lock_guard<std::mutex> blokada(kolejnosc);
            const int p = procent.load();
            if (p < ostatni.load())
                cofnal = true;
            ostatni = std::max(ostatni.load(), p);
            if (p >= 100)
                pelny = true;
            return ++pytania > 20000 / kSkala;
        };
        // Small walks forced over to the dynamic programme at once.
        const std::optional<std::uint64_t> limit =
            n <= 20 ? std::optional<std::uint64_t>(200) : std::nullopt;
        PermutacjeDokladne(tablica, n, przerwij, nr, procent, limit);
        EXPECT_FALSE(cofnal.load()) << opis;
        EXPECT_FALSE(pelny.load()) << opis;
        EXPECT_GE(procent.load(), ostatni.load()) << opis;
    }
}

TEST(ZasiegiPrzegladu, AFailureOnEitherThreadOfTheProgrammeIsRaisedWithoutHanging) {
    const TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(18, 25, 25, 7));
    MemoryAccount konto;
    ProgramDynamiczny program(tablica, 18, konto);
    const std::thread::id glowny = std::this_thread::get_id();
    float wynik = 0.0f;
    for (const bool naGlownym : {true, false}) {
        const auto przerwij = [&] {
            if ((std::this_thread::get_id() == glowny) == naGlownym)
                throw std::runtime_error("awaria");
            return false;
        };
        EXPECT_THROW(program.Najkrotsza(przerwij, wynik), std::runtime_error) << naGlownym;
    }
    // Still whole afterwards.
    EXPECT_TRUE(program.Najkrotsza([] { return false; }, wynik));

    // Past its reach the search never hands over to the programme, however
    // small a step limit it is given: 26 cities are cut short in the walks.
    const TablicaOdleglosci wieksza = TablicaDla(LosoweKomorki(26, 25, 25, 8));
    std::atomic<std::uint32_t> nr{0};
    std::atomic<int> procent{0};
    // Both walks ask, each on its own thread.
    std::atomic<int> pytania{0};
    const WynikPermutacji w = PermutacjeDokladne(wieksza, 26, [&] { return ++pytania > 2000; }, nr, procent, 0);
    ASSERT_TRUE(isPermutation(w.trasa, 26));
    EXPECT_EQ(bity(w.najkrotsza), bity(SumaTrasy(wieksza, w.trasa.data(), 26)));
}

TEST(ZasiegiPrzegladu, TheSubtreeMemoriesAndTheProgrammeAreCountedAgainstTheBudget) {
    const TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(25, 25, 25, 9));
    MemoryAccount duzo(std::uint64_t(300) << 20);
    const PrzegladPermutacji pelna(tablica, 25, O::Lagrange, C::Najkrotsza, &duzo);
    EXPECT_EQ(pelna.SlotyPamieci(), std::size_t(1) << 24);
    // The second walk finds less left and takes a smaller memory.
    const PrzegladPermutacji mniejsza(tablica, 25, O::Lagrange, C::Najdluzsza, &duzo);
    EXPECT_LT(mniejsza.SlotyPamieci(), std::size_t(1) << 24);
    EXPECT_GT(mniejsza.SlotyPamieci(), 0u);
    MemoryAccount malo(1 << 19);
    const PrzegladPermutacji bez(tablica, 25, O::Lagrange, C::Oba, &malo);
    EXPECT_EQ(bez.UzyteOgraniczenie(), O::Lagrange);
    EXPECT_EQ(bez.SlotyPamieci(), 0u);
    EXPECT_THROW(ProgramDynamiczny(tablica, 25, malo), UserError);
    // Without the programme's room a search forced to hand over still ends
    // exact, in the walks.
    Komorki przekatna;
    for (int i = 0; i < 15; ++i)
        przekatna.emplace_back(i, i);
    const TablicaOdleglosci mala = TablicaDla(przekatna);
    std::atomic<std::uint32_t> nr{0};
    std::atomic<int> procent{0};
    const WynikPermutacji w = PermutacjeDokladne(mala, 15, [] { return false; }, nr, procent, 0, 1 << 19);
    EXPECT_EQ(procent.load(), 100);
    PrzegladPermutacji wzor(mala, 15, O::HeldKarp);
    std::atomic<std::uint32_t> nrWzoru{0};
    ASSERT_TRUE(wzor.Szukaj([] { return false; }, nrWzoru));
    EXPECT_EQ(w.trasa, wzor.NajlepszaTrasa());
    EXPECT_EQ(bity(w.najkrotsza), bity(wzor.NajkrotszaDroga()));
    EXPECT_EQ(bity(w.najdluzsza), bity(wzor.NajdluzszaDroga()));
}
