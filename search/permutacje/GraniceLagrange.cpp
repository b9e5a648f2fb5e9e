#include "search/permutacje/GraniceLagrange.h"

#include "search/permutacje/PamiecPoddrzew.h"
#include "search/permutacje/RelaksacjaLagrange.h"

#include <algorithm>
#include <cmath>

double GraniceLagrange::naSiatke(double w) const {
    return krokSum > 0.0 ? std::ceil(w / krokSum) * krokSum : w;
}

void GraniceLagrange::zajmij(int c) {
    wolne &= ~BitMiasta(c);
    const std::size_t nn = std::size_t(n);
    std::copy(kandydatKrotszej.begin(), kandydatKrotszej.end(), karyKrotszej + (poziom + 1) * nn);
    std::copy(kandydatDluzszej.begin(), kandydatDluzszej.end(), karyDluzszej + (poziom + 1) * nn);
    ++poziom;
}

void GraniceLagrange::zwolnij(int c, float p) {
    --poziom;
    if (pamiec)
        pamiec->Zapisz(wolne, c, p);
    wolne |= BitMiasta(c);
}

bool GraniceLagrange::bezZmian(float p, int c, float najkrotsza, float najdluzsza) {
    const ZbiorMiast reszta = wolne & ~BitMiasta(c);
    const bool krotszaWPamieci = krotsza && pamiec && p >= pamiec->Najmniejsza(reszta, c);
    const bool dluzszaWPamieci = dluzsza && pamiec && p <= pamiec->Najwieksza(reszta, c);
    if ((!krotsza || krotszaWPamieci) && (!dluzsza || dluzszaWPamieci))
        return true;
    const std::size_t nn = std::size_t(n);
    int k = 2;
    wezly[0] = c;
    wezly[1] = 0;
    for (int v = 1; v < n; ++v)
        if (!uzyte[v] && v != c)
            wezly[std::size_t(k++)] = v;
    const int iteracje = poziom == 0 ? kIteracjePierwszego : kIteracje;
    const int iteracjeDluzszej = poziom == 0 ? kIteracjePierwszego : kIteracjeDluzszej;
    std::copy(karyKrotszej + poziom * nn, karyKrotszej + (poziom + 1) * nn, kandydatKrotszej.begin());
    std::copy(karyDluzszej + poziom * nn, karyDluzszej + (poziom + 1) * nn, kandydatDluzszej.begin());
    if (krotsza && !krotszaWPamieci && krotszaMozliwa(p, k, iteracje, najkrotsza))
        return false;
    return !(dluzsza && !dluzszaWPamieci && dluzszaMozliwa(p, k, iteracjeDluzszej, najdluzsza));
}

bool GraniceLagrange::krotszaMozliwa(float p, int k, int iteracje, float najkrotsza) {
    // Rounding can only lower a sum by zapasDolny, so a completion of at
    // least dosc gives no route below the best or the first threshold.
    const double dosc = std::min(double(najkrotsza), progKrotszej) / zapasDolny - double(p);
    const double C = naSiatke(krotsza->Ocen(wezly.data(), k, kandydatKrotszej.data(), iteracje, dosc));
    const double dolna = (double(p) + C) * zapasDolny;
    return dolna < najkrotsza && dolna <= progKrotszej;
}

bool GraniceLagrange::dluzszaMozliwa(float p, int k, int iteracje, float najdluzsza) {
    // The costs are negated: the bound is on minus the completion.
    const double dosc = double(p) - std::max(double(najdluzsza), progDluzszej) / zapasGorny;
    const double C = -naSiatke(dluzsza->Ocen(wezly.data(), k, kandydatDluzszej.data(), iteracje, dosc));
    const double gorna = (double(p) + C) * zapasGorny;
    return gorna > najdluzsza && gorna >= progDluzszej;
}
