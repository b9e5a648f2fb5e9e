#include "toolkit/core/MemoryBudget.h"

#include "toolkit/core/UserError.h"

#include <limits>

#include <unistd.h>

std::uint64_t memoryBudget() {
    const long strony = sysconf(_SC_PHYS_PAGES);
    const long strona = sysconf(_SC_PAGESIZE);
    // Unknown memory sets no budget; a failed allocation is still reported.
    if (strony <= 0 || strona <= 0)
        return std::numeric_limits<std::uint64_t>::max();
    return std::uint64_t(strony) * std::uint64_t(strona) / 2;
}

void requireMemory(double bytes, std::uint64_t budget) {
    if (bytes > double(budget))
        throw UserError(QStringLiteral("Za mało pamięci"));
}
