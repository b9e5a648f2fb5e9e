#include "search/ZestawMiast.h"

#include <numeric>
#include <utility>

ZestawMiast ZestawMiast::ZKomorek(std::vector<TPunkt> komorki, std::vector<int> ids) {
    if (ids.size() != komorki.size()) {
        ids.resize(komorki.size());
        std::iota(ids.begin(), ids.end(), 1);
    }
    return {Metryka::Komorki(komorki), std::move(ids), std::move(komorki)};
}
