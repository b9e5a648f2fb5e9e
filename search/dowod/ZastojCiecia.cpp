#include "search/dowod/ZastojCiecia.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kWzrostZastoju = 1e-5;
constexpr double kWzrostLuki = 0.01;
constexpr std::size_t kRundyZastoju = 3;

} // namespace

bool ZastojCiecia::Po(double z, std::optional<double> najlepsza) {
    wartosci_.push_back(z);
    const double luka = najlepsza ? std::max(0.0, *najlepsza - z) : std::fabs(z);
    const double wzrost = std::min(kWzrostZastoju * std::max(1.0, std::fabs(z)), kWzrostLuki * luka);
    return wartosci_.size() > kRundyZastoju && z - wartosci_[wartosci_.size() - 1 - kRundyZastoju] < wzrost;
}
