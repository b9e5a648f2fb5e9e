#include "toolkit/core/MemoryBudget.h"

#include "toolkit/core/ExceptionMessage.h"
#include "toolkit/core/UserError.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include <unistd.h>

namespace {

std::optional<std::uint64_t> liczbaZPliku(const char* sciezka) {
    std::ifstream plik(sciezka);
    std::uint64_t wartosc = 0;
    // "max" (no limit) and anything unreadable set no bound.
    if (plik >> wartosc)
        return wartosc;
    return std::nullopt;
}

// What the cgroup of this process may still take, when it has a limit.
std::optional<std::uint64_t> zostaloWKontenerze() {
    const std::optional<std::uint64_t> granica = liczbaZPliku("/sys/fs/cgroup/memory.max");
    if (!granica)
        return std::nullopt;
    const std::uint64_t zajete = liczbaZPliku("/sys/fs/cgroup/memory.current").value_or(0);
    return *granica > zajete ? *granica - zajete : 0;
}

std::optional<std::uint64_t> dostepneTeraz() {
    std::ifstream plik("/proc/meminfo");
    std::string klucz;
    std::uint64_t kilobajty = 0;
    std::string jednostka;
    while (plik >> klucz >> kilobajty) {
        std::getline(plik, jednostka);
        if (klucz == "MemAvailable:")
            return kilobajty * 1024;
    }
    return std::nullopt;
}

} // namespace

std::uint64_t memoryBudget() {
    std::uint64_t budzet = std::numeric_limits<std::uint64_t>::max();
    const long strony = sysconf(_SC_PHYS_PAGES);
    const long strona = sysconf(_SC_PAGESIZE);
    // Unknown memory sets no bound; a failed allocation is still reported.
    if (strony > 0 && strona > 0)
        budzet = std::uint64_t(strony) * std::uint64_t(strona) / 2;
    if (const auto kontener = zostaloWKontenerze())
        budzet = std::min(budzet, *kontener);
    if (const auto dostepne = dostepneTeraz())
        budzet = std::min(budzet, *dostepne);
    return budzet;
}

void requireMemory(double bytes, std::uint64_t budget) {
    if (bytes > double(budget))
        throw UserError(outOfMemoryText());
}

MemoryAccount::Share& MemoryAccount::Share::operator=(Share&& other) noexcept {
    if (this != &other) {
        giveBack();
        account_ = std::exchange(other.account_, nullptr);
        bytes_ = other.bytes_;
    }
    return *this;
}

void MemoryAccount::Share::giveBack() {
    if (account_)
        account_->left_ += bytes_;
    account_ = nullptr;
}

MemoryAccount::Share MemoryAccount::take(double bytes) {
    Share share;
    if (!tryTake(bytes, share))
        throw UserError(outOfMemoryText());
    return share;
}

bool MemoryAccount::tryTake(double bytes, Share& share) {
    if (!(bytes <= left_))
        return false;
    left_ -= bytes;
    share = Share(this, bytes);
    return true;
}
