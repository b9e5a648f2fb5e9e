#pragma once

#include <cstddef>
#include <cstdint>

// An explicit table of whole weights, below the diagonal row after row:
// the weight of (a, b), a > b, is at a * (a - 1) / 2 + b. The table must
// outlive this view.
class OdlegloscJawna {
public:
    explicit OdlegloscJawna(const std::int32_t* wagiPodPrzekatna) : wagi_(wagiPodPrzekatna) {}

    double operator()(int a, int b) const {
        const std::size_t i = std::size_t(a);
        const std::size_t j = std::size_t(b);
        if (i == j)
            return 0.0;
        return i > j ? double(wagi_[i * (i - 1) / 2 + j]) : double(wagi_[j * (j - 1) / 2 + i]);
    }

private:
    const std::int32_t* wagi_;
};
