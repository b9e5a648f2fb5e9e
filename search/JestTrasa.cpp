#include "search/JestTrasa.h"

#include <cstddef>
#include <vector>

bool JestTrasa(std::span<const int> trasa, int n) {
    if (n < 0 || trasa.size() != std::size_t(n))
        return false;
    std::vector<char> byla(std::size_t(n), 0);
    for (int miasto : trasa) {
        if (miasto < 0 || miasto >= n || byla[std::size_t(miasto)])
            return false;
        byla[std::size_t(miasto)] = 1;
    }
    return true;
}
