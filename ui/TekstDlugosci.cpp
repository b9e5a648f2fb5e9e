#include "ui/TekstDlugosci.h"

#include "ui/TekstLiczby.h"

#include <cmath>

QString TekstDlugosci(double dlugosc, bool calkowita) {
    if (calkowita && std::isfinite(dlugosc) && std::fabs(dlugosc) < 0x1p62)
        return QString::number(std::llround(dlugosc));
    return TekstLiczby(dlugosc);
}
