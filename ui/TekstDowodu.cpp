#include "ui/TekstDowodu.h"

#include "toolkit/core/DecimalConvert.h"
#include "ui/TekstDlugosci.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

std::optional<double> LukaProcent(double dlugosc, double granica, bool najdluzsza) {
    if (!(granica > 0.0) || !std::isfinite(granica) || !std::isfinite(dlugosc))
        return std::nullopt;
    const double luka = (najdluzsza ? granica - dlugosc : dlugosc - granica) / granica;
    // Up, and a hair more, so that rounding never shows a gap smaller than
    // it is.
    return std::ceil(std::max(0.0, luka) * 1e4 * (1.0 + 1e-12)) / 100.0;
}

QString TekstLuki(double procent) {
    return QStringLiteral("co najwyżej %1 % od optimum").arg(QLocale().toString(procent, 'f', 2));
}

QString TekstGranicy(double granica, bool wGore, bool calkowita) {
    if (calkowita || !std::isfinite(granica))
        return TekstDlugosci(granica, calkowita);
    const double dziesiate = wGore ? std::ceil(granica * 10.0) : std::floor(granica * 10.0);
    return FormatOneDecimal(dziesiate / 10.0);
}

QString TekstDowodu(const DlugoscZDowodem& wynik, bool najdluzsza, bool calkowita) {
    if (!(wynik.Dlugosc > -1.0))
        return {};
    const QString dlugosc = TekstDlugosci(wynik.Dlugosc, calkowita);
    if (wynik.Udowodniona)
        return dlugosc + QStringLiteral(" (udowodniona)");
    if (const std::optional<double> luka = LukaProcent(wynik.Dlugosc, wynik.Granica, najdluzsza))
        return dlugosc + QStringLiteral(" (") + TekstLuki(*luka) + QLatin1Char(')');
    return dlugosc + QStringLiteral(" (nie udowodniona)");
}
