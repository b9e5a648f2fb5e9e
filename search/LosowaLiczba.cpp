#include "search/LosowaLiczba.h"

#include <ctime>
#include <random>

namespace {

std::mt19937& zrodlo() {
    thread_local std::mt19937 generator(0);
    return generator;
}

std::optional<std::uint32_t>& ustaloneZiarno() {
    thread_local std::optional<std::uint32_t> ziarno;
    return ziarno;
}

} // namespace

void UstawZiarno(std::uint32_t ziarno) {
    zrodlo().seed(ziarno);
}

void ZiarnoZCzasu() {
    UstawZiarno(ustaloneZiarno().value_or(static_cast<std::uint32_t>(std::time(nullptr))));
}

void UstalZiarnoZamiastCzasu(std::optional<std::uint32_t> ziarno) {
    ustaloneZiarno() = ziarno;
}

std::uint32_t Losowanie31() {
    return zrodlo()() >> 1;
}

int Losowanie15() {
    return static_cast<int>(zrodlo()() >> 17);
}

int LosowaLiczba(int k) {
    if (k == 0)
        return 0;
    // A negative k is never asked for; the remainder in 64 bits keeps even
    // INT_MIN defined.
    const auto draw = static_cast<std::int64_t>(Losowanie31());
    return static_cast<int>(draw % static_cast<std::int64_t>(k));
}
