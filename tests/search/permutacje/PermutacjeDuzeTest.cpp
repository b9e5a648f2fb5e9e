// The permutation search past the completion tables: the Lagrangian bound
// against the tables and against itself, on two threads, and its progress.

#include "tests/search/permutacje/TObliczThreadTest.h"

#include "search/permutacje/PermutacjeDokladne.h"
#include "search/permutacje/PokrycieTras.h"
#include "search/permutacje/ProgramDynamiczny.h"
#include "search/permutacje/PrzegladPermutacji.h"
#include "search/SumaTrasy.h"
#include "reference/PermutacjeDoslowne.h"
#include "tests/support/ModalHelper.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

using namespace oblicz_test;

namespace {

using O = PrzegladPermutacji::Ograniczenie;
using C = PrzegladPermutacji::Cel;

struct Wynik {
    std::vector<int> trasa;
    float najkrotsza = 0.0f;
    float najdluzsza = 0.0f;
    std::uint32_t nr = 0;
};

Wynik przeszukaj(const TablicaOdleglosci& tablica, O ograniczenie, C cel = C::Oba) {
    PrzegladPermutacji przeglad(tablica, tablica.Count(), ograniczenie, cel);
    std::atomic<std::uint32_t> nr{0};
    EXPECT_TRUE(przeglad.Szukaj([] { return false; }, nr));
    EXPECT_EQ(przeglad.UzyteOgraniczenie(), ograniczenie);
    return {przeglad.NajlepszaTrasa(), przeglad.NajkrotszaDroga(), przeglad.NajdluzszaDroga(), nr.load()};
}

Wynik wynikWatku(const OdleglosciSlot& slot) {
    TObliczThread watek;
    skonfiguruj(watek, slot, 1);
    watek.release();
    watek.waitForEnd();
    EXPECT_EQ(watek.ProcentPokrycia.load(), 100);
    return {watek.NajlepszaTrasa, watek.NajkrotszaDroga, watek.NajdluzszaDroga, watek.NrPermutacji.load()};
}

void porownaj(const Wynik& a, const Wynik& b, const std::string& opis) {
    EXPECT_EQ(a.trasa, b.trasa) << opis;
    EXPECT_EQ(bity(a.najkrotsza), bity(b.najkrotsza)) << opis;
    EXPECT_EQ(bity(a.najdluzsza), bity(b.najdluzsza)) << opis;
    EXPECT_EQ(a.nr, b.nr) << opis;
}

// (n-1)! - 1 modulo 2^32: the counter after a complete search.
std::uint32_t pelnyLicznik(int n) {
    return std::uint32_t(Silnia(n - 1) - 1);
}

// Layouts with hosts of routes of equal real length.
Komorki uklad(int szerokosc, int n) {
    Komorki miasta;
    for (int i = 0; i < n; ++i)
        miasta.emplace_back(i % szerokosc, i / szerokosc);
    return miasta;
}

Komorki przekatna(int n) {
    Komorki miasta;
    for (int i = 0; i < n; ++i)
        miasta.emplace_back(i, i);
    return miasta;
}

// The search with the walks capped at limit steps (0: the dynamic
// programme from the start).
Wynik dokladnie(const TablicaOdleglosci& tablica, std::uint64_t limit, const std::function<bool()>& przerwij) {
    std::atomic<std::uint32_t> nr{0};
    std::atomic<int> procent{0};
    WynikPermutacji w = PermutacjeDokladne(tablica, tablica.Count(), przerwij, nr, procent, limit);
    return {w.trasa, w.najkrotsza, w.najdluzsza, nr.load()};
}

} // namespace

TEST(PermutacjeDuze, LagrangianBoundMatchesCompletionTables) {
    for (int n = 14; n <= 20; n += 2)
        for (std::uint32_t ziarno = 1; ziarno <= std::uint32_t(std::max(1, 3 / kSkala)); ++ziarno) {
            const TablicaOdleglosci tablica = TablicaDla(LosoweKomorki(n, 25, 25, ziarno));
            const Wynik wzor = przeszukaj(tablica, O::HeldKarp);
            const std::string opis = "n=" + std::to_string(n) + " ziarno=" + std::to_string(ziarno);
            EXPECT_EQ(wzor.nr, pelnyLicznik(n)) << opis;
            porownaj(przeszukaj(tablica, O::Lagrange), wzor, opis);
            const Wynik krotsza = przeszukaj(tablica, O::Lagrange, C::Najkrotsza);
            EXPECT_EQ(krotsza.trasa, wzor.trasa) << opis;
            EXPECT_EQ(bity(krotsza.najkrotsza), bity(wzor.najkrotsza)) << opis;
            EXPECT_EQ(bity(przeszukaj(tablica, O::Lagrange, C::Najdluzsza).najdluzsza), bity(wzor.najdluzsza)) << opis;
        }
    // Equal-length routes by the thousand: one row (whole-number sums), a
    // diagonal (every sum rounds), filled blocks.
    for (const Komorki& miasta : {uklad(16, 16), uklad(4, 16), uklad(2, 15)}) {
        const TablicaOdleglosci tablica = TablicaDla(miasta);
        porownaj(przeszukaj(tablica, O::Lagrange), przeszukaj(tablica, O::HeldKarp), std::to_string(miasta.size()));
    }
    const TablicaOdleglosci tablica = TablicaDla(przekatna(14));
    porownaj(przeszukaj(tablica, O::Lagrange), przeszukaj(tablica, O::HeldKarp), "przekatna");
}

TEST(PermutacjeDuze, DynamicProgrammeMatchesLiteralSearchAndTables) {
    const auto nigdy = [] { return false; };
    for (const Komorki& miasta : {LosoweKomorki(9, 25, 25, 1), LosoweKomorki(10, 25, 25, 2), uklad(9, 9),
                                  przekatna(9), uklad(3, 9), uklad(2, 10)}) {
        const TablicaOdleglosci tablica = TablicaDla(miasta);
        const int n = tablica.Count();
        const WynikDoslowny wzor = PermutacjeDoslownie(tablica, n);
        MemoryAccount konto;
        ProgramDynamiczny program(tablica, n, konto);
        Wynik w;
        ASSERT_TRUE(program.Najdluzsza(nigdy, w.najdluzsza));
        ASSERT_TRUE(program.Najkrotsza(nigdy, w.najkrotsza));
        ASSERT_TRUE(program.PierwszaNajkrotsza(nigdy, w.najkrotsza, w.trasa));
        w.nr = wzor.nrPermutacji;
        porownaj(w, {wzor.trasa, wzor.najkrotsza, wzor.najdluzsza, wzor.nrPermutacji}, std::to_string(n));
    }
    // From the start, through the search as the worker runs it, against the
    // tables (their memory of searched subtrees copes with ties up to 18).
    for (const Komorki& miasta : {uklad(16, 16), przekatna(15), uklad(4, 18), LosoweKomorki(17, 25, 25, 4)}) {
        const TablicaOdleglosci tablica = TablicaDla(miasta);
        porownaj(dokladnie(tablica, 0, nigdy), przeszukaj(tablica, O::HeldKarp), std::to_string(miasta.size()));
    }
}

TEST(PermutacjeDuze, FinishDuringDynamicProgrammeKeepsAConsistentBest) {
    const TablicaOdleglosci tablica = TablicaDla(przekatna(21));
    std::atomic<std::uint32_t> nr{0};
    std::atomic<int> procent{0};
    // Walks capped at no steps cover nothing: the share rises in the
    // dynamic programme only, and the finish comes in its first pass.
    const WynikPermutacji w =
        PermutacjeDokladne(tablica, 21, [&] { return procent.load() >= 10; }, nr, procent, 0);
    EXPECT_GE(procent.load(), 10);
    EXPECT_LE(procent.load(), 60);
    ASSERT_TRUE(isPermutation(w.trasa, 21));
    EXPECT_EQ(bity(w.najkrotsza), bity(SumaTrasy(tablica, w.trasa.data(), 21)));
    EXPECT_GE(w.najdluzsza, w.najkrotsza);
}

TEST(PermutacjeDuze, TwoThreadsPastTwentyCitiesMatchTablesAndOneWalk) {
    // Tables fit up to 23 cities; the single walk after both results is
    // checked against the two threads at every size.
    for (int n = 21; n <= 25; ++n)
        for (int szerokosc : {4, 2}) {
            if (kSkala > 1 && n > 21)
                break;
            const OdleglosciSlot slot = slotDla(uklad(szerokosc, n));
            const Wynik watki = wynikWatku(slot);
            const std::string opis = "n=" + std::to_string(n) + " szerokosc=" + std::to_string(szerokosc);
            EXPECT_EQ(watki.nr, pelnyLicznik(n)) << opis;
            porownaj(watki, przeszukaj(*slot, O::Lagrange), opis);
            if (n == 21 && kSkala == 1)
                porownaj(watki, przeszukaj(*slot, O::HeldKarp), opis);
        }
    // A row (whole-number sums: the first shortest route is the identity)
    // and a diagonal (every sum rounds), where the walks give way to the
    // dynamic programme.
    for (int n : {21, 25}) {
        if (kSkala > 1 && n > 21)
            break;
        for (bool wiersz : {true, false}) {
            const OdleglosciSlot slot = slotDla(wiersz ? uklad(n, n) : przekatna(n));
            const Wynik w = wynikWatku(slot);
            const std::string opis = "n=" + std::to_string(n) + (wiersz ? " wiersz" : " przekatna");
            EXPECT_EQ(w.nr, pelnyLicznik(n)) << opis;
            ASSERT_TRUE(isPermutation(w.trasa, n)) << opis;
            EXPECT_EQ(bity(w.najkrotsza), bity(SumaTrasy(*slot, w.trasa.data(), n))) << opis;
            std::vector<int> identycznosc(static_cast<std::size_t>(n));
            std::iota(identycznosc.begin(), identycznosc.end(), 0);
            if (wiersz) {
                EXPECT_EQ(w.trasa, identycznosc) << opis;
                EXPECT_EQ(w.najkrotsza, float(2 * (n - 1))) << opis;
            }
            EXPECT_LE(w.najkrotsza, SumaTrasy(*slot, identycznosc.data(), n)) << opis;
        }
    }
    for (std::uint32_t ziarno = 1; ziarno <= std::uint32_t(kSkala > 1 ? 1 : 2); ++ziarno) {
        const OdleglosciSlot slot = slotDla(LosoweKomorki(21, 25, 25, ziarno));
        porownaj(wynikWatku(slot), przeszukaj(*slot, O::HeldKarp), "ziarno=" + std::to_string(ziarno));
    }
}

TEST(PermutacjeDuze, HoldStopsBothThreadsAndFinishKeepsAConsistentBest) {
    // A diagonal of 30 cities: routes of equal real length beyond counting,
    // told apart only by rounding, keep both walks busy.
    const OdleglosciSlot slot = slotDla(przekatna(30));
    TObliczThread watek;
    skonfiguruj(watek, slot, 1);
    watek.release();
    // Under way once it reports coverage; the second thread starts then.
    ASSERT_TRUE(waitUntil([&] { return watek.ProcentPokrycia.load() >= 0; }));
    watek.hold();
    ASSERT_TRUE(waitUntil([&] { return watek.parkedThreads() == 2; }));
    const int procent = watek.ProcentPokrycia.load();
    EXPECT_GE(procent, 0);
    EXPECT_LE(procent, 99);
    EXPECT_FALSE(watek.Zakonczony);
    watek.release();
    watek.requestFinish();
    watek.waitForEnd();
    ASSERT_TRUE(isPermutation(watek.NajlepszaTrasa, 30));
    EXPECT_EQ(bity(watek.NajkrotszaDroga), bity(watek.DlugoscTrasy(watek.NajlepszaTrasa.data())));
    std::vector<int> identycznosc(30);
    std::iota(identycznosc.begin(), identycznosc.end(), 0);
    EXPECT_LE(watek.NajkrotszaDroga, watek.DlugoscTrasy(identycznosc.data()));
    EXPECT_GE(watek.NajdluzszaDroga, watek.DlugoscTrasy(identycznosc.data()));
}

TEST(PermutacjeDuze, CoverageIsExactWholePercentNeverFullBeforeTheEnd) {
    std::atomic<int> procent{0};
    PokrycieTras pokrycie(33, 2, procent);
    const Liczba128 wszystkie = Silnia(32);
    // 0.37 of twice the total, less one route: 36, not 37, though 37 % is
    // off by a part in 10^35.
    pokrycie.Zglos(0, wszystkie * 74 / 100 - 1);
    EXPECT_EQ(procent.load(), 36);
    // A walk that starts over does not take the share back.
    pokrycie.Zglos(0, 5);
    EXPECT_EQ(procent.load(), 36);
    pokrycie.Zglos(0, wszystkie);
    pokrycie.Zglos(1, wszystkie - 1);
    EXPECT_EQ(procent.load(), 99);
    pokrycie.Zglos(1, wszystkie);
    EXPECT_EQ(procent.load(), 99);
    pokrycie.Koniec();
    EXPECT_EQ(procent.load(), 100);

    PokrycieTras zaDuzo(34, 1, procent);
    EXPECT_EQ(procent.load(), -1);
    // Up to 13 cities the worker counts routes as before, without a share.
    const OdleglosciSlot slot = slotDla(LosoweKomorki(13, 25, 25, 3));
    TObliczThread watek;
    skonfiguruj(watek, slot, 1);
    watek.release();
    watek.waitForEnd();
    EXPECT_EQ(watek.ProcentPokrycia.load(), -1);
    EXPECT_EQ(watek.NrPermutacji.load(), pelnyLicznik(13));
}
