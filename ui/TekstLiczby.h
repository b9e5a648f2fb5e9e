#pragma once

#include <QString>

// A number as every window of the program writes it: in Polish, with a
// decimal comma whatever the system's locale, to `miejsca` decimals rounded
// half away from zero, without grouping.
QString TekstLiczby(double wartosc, int miejsca = 1);
