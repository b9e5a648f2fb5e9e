#include "ui/TekstDowodu.h"

#include "search/sesja/WynikSesji.h"
#include "ui/TekstDlugosci.h"
#include "ui/TekstLiczby.h"

#include <cmath>

QString TekstLuki(double procent) {
    if (procent <= 0.0)
        return QStringLiteral("optymalna");
    return QStringLiteral("co najwyżej %1 % od optimum").arg(TekstLiczby(procent, 2));
}

QString TekstGranicy(double granica, bool wGore, bool calkowita) {
    if (calkowita || !std::isfinite(granica))
        return TekstDlugosci(granica, calkowita);
    const double dziesiate = wGore ? std::ceil(granica * 10.0) : std::floor(granica * 10.0);
    return TekstLiczby(dziesiate / 10.0);
}

QString TekstDowodu(double dlugosc, bool udowodniona, std::optional<double> lukaProcent, bool calkowita,
                    bool doMilionowej) {
    const QString tekst = TekstDlugosci(dlugosc, calkowita);
    if (udowodniona && doMilionowej)
        return tekst + QStringLiteral(" (udowodniona z dokładnością do milionowej)");
    if (udowodniona)
        return tekst + QStringLiteral(" (udowodniona)");
    if (lukaProcent)
        return tekst + QStringLiteral(" (") + TekstLuki(*lukaProcent) + QLatin1Char(')');
    return tekst + QStringLiteral(" (nie udowodniona)");
}

QString TekstDowodu(const TrasaSesji& trasa, bool calkowita) {
    return TekstDowodu(trasa.dlugosc, trasa.udowodniona, trasa.lukaProcent, calkowita, trasa.doMilionowej);
}
