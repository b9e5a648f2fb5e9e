#pragma once

#include <concepts>

// What the local search needs of a distance: one symmetric function of two
// city numbers. Integral metrics stay exact in the double sums up to 2^53.
template <class D>
concept MiaraOdleglosci = requires(const D& d, int a, int b) {
    { d(a, b) } -> std::convertible_to<double>;
};
