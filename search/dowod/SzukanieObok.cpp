#include "search/dowod/SzukanieObok.h"

#include <limits>

namespace {

constexpr long long kRundyBezPoprawy = 200;

} // namespace

SzukanieObok::SzukanieObok(const Metryka& d, std::uint64_t ziarno, double limitSekund,
                           const std::function<bool()>& przerwij, const RunningClock& zegar)
    : szukanie_(d), limitRund_(kRundyBezPoprawy * d.Ilosc()), najlepsza_(std::numeric_limits<double>::infinity()),
      przerwij_([this, &przerwij] { return koniec_.load(std::memory_order_relaxed) || dosc() || przerwij(); }) {
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

bool SzukanieObok::dosc() {
    const long long rundy = szukanie_.Postep().Rundy();
    if (const double dlugosc = szukanie_.Postep().NajlepszaDlugosc(); dlugosc < najlepsza_) {
        najlepsza_ = dlugosc;
        rundyPoprawy_ = rundy;
    }
    return rundy - rundyPoprawy_ > limitRund_;
}
