#pragma once

#include "search/ZestawMiast.h"
#include "tests/search/dolne/MetrykiLosowe.h"

#include <memory>
#include <random>

// n random cities in the plane, EUC_2D, with ids 1..n as a file would give.
inline std::shared_ptr<const ZestawMiast> ZestawLosowy(int n, unsigned ziarno) {
    std::mt19937 los(ziarno);
    ZestawMiast z{MetrykaLosowa(RodzajMetryki::Euc2d, n, 1000, los), {}, {}};
    for (int k = 1; k <= n; ++k)
        z.ids.push_back(k);
    return std::make_shared<const ZestawMiast>(std::move(z));
}
