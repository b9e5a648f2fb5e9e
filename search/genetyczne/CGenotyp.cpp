#include "search/genetyczne/CGenotyp.h"

#include <algorithm>
#include <numeric>

void CGenotyp::UstawIlosc(int n) {
    const int ilosc = std::max(n, 0);
    if (ilosc == Ilosc)
        return;
    Ilosc = ilosc;
    Geny.resize(static_cast<std::size_t>(ilosc));
    std::iota(Geny.begin(), Geny.end(), 0);
}
