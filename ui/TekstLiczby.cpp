#include "ui/TekstLiczby.h"

#include "toolkit/core/DecimalConvert.h"

QString TekstLiczby(double wartosc, int miejsca) {
    return FormatDecimal(wartosc, miejsca, QLatin1Char(','));
}
