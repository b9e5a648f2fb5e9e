#include "search/LosowaTrasa.h"

#include "search/LosowaLiczba.h"

void LosujTrase(int n, int* d, int* r, int* q) {
    for (int i = 0; i < n; ++i)
        r[i] = i;
    // All draws come before the route is built.
    for (int i = 0; i < n; ++i)
        d[i] = LosowaLiczba(n - i - 1);
    for (int i = 0; i < n; ++i) {
        q[i] = r[d[i]];
        for (int j = d[i]; j < n - 1; ++j)
            r[j] = r[j + 1];
    }
}
