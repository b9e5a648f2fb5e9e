#pragma once

#include <limits>

// The length of a route a proof searched for, and what the proof says of it:
// proven the best, or how far the best may be (Granica: no route is shorter,
// for the longest route no route is longer; NaN while no bound was reached).
// Dlugosc -1 marks a route not searched for.
struct DlugoscZDowodem {
    double Dlugosc = -1.0;
    double Granica = std::numeric_limits<double>::quiet_NaN();
    bool Udowodniona = false;
};
