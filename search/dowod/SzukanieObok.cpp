#include "search/dowod/SzukanieObok.h"

SzukanieObok::SzukanieObok(const Metryka& d, std::uint64_t ziarno, double limitSekund,
                           const std::function<bool()>& przerwij, const RunningClock& zegar)
    : szukanie_(d), przerwij_([this, &przerwij] { return koniec_.load(std::memory_order_relaxed) || przerwij(); }) {
    UstawieniaLokalne u;
    u.limitSekund = limitSekund;
    u.ziarno = ziarno;
    u.watki = 1;
    watek_ = std::jthread([this, u, &zegar] { szukanie_.Szukaj(u, przerwij_, &zegar); });
}

SzukanieObok::~SzukanieObok() {
    koniec_.store(true, std::memory_order_relaxed);
}

std::optional<std::vector<int>> SzukanieObok::Wez() {
    if (!szukanie_.Postep().WezTrase())
        return std::nullopt;
    return szukanie_.Postep().Trasa().trasa;
}
