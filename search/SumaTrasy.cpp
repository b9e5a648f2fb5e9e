#include "search/SumaTrasy.h"

float SumaTrasy(const TablicaOdleglosci& odleglosci, const int* trasa, int n) {
    if (n < 1)
        return 0.0f;
    float s = 0.0f;
    for (int i = 1; i < n; ++i)
        s += odleglosci[trasa[i]][trasa[i - 1]];
    s += odleglosci[trasa[0]][trasa[n - 1]];
    return s;
}
