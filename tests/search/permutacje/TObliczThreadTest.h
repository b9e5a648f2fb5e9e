#pragma once

// Helpers shared by the tests of the permutation and random worker.

#include "search/permutacje/TObliczThread.h"
#include "search/TablicaOdleglosci.h"
#include "reference/MiastaTestowe.h"
#include "tests/support/TestHelpers.h"

#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

namespace oblicz_test {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kSkala = 8;  // sanitizers run the same cases, fewer of them
#else
constexpr int kSkala = 1;
#endif

inline OdleglosciSlot slotDla(const Komorki& miasta) {
    return std::make_unique<TablicaOdleglosci>(TablicaDla(miasta));
}

inline std::uint32_t bity(float x) {
    return std::bit_cast<std::uint32_t>(x);
}

// The worker as the progress window drives it: created held, configured,
// released; the test then waits for its end.
inline void skonfiguruj(TObliczThread& watek, const OdleglosciSlot& slot, int tryb, int ileLosowan = 0) {
    watek.Odleglosci = &slot;
    watek.IloscMiast = slot ? slot->Count() : 0;
    if (tryb == 2)
        watek.IleLosowan = ileLosowan;
    watek.Tryb = tryb;
}

} // namespace oblicz_test
