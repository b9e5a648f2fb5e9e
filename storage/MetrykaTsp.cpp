#include "storage/MetrykaTsp.h"

#include <cmath>

QString NazwaTsplib(RodzajMetryki rodzaj) {
    switch (rodzaj) {
    case RodzajMetryki::Komorki: return {};
    case RodzajMetryki::Euc2d: return QStringLiteral("EUC_2D");
    case RodzajMetryki::Ceil2d: return QStringLiteral("CEIL_2D");
    case RodzajMetryki::Att: return QStringLiteral("ATT");
    case RodzajMetryki::Geo: return QStringLiteral("GEO");
    case RodzajMetryki::Jawna: return QStringLiteral("EXPLICIT");
    }
    return {};
}

double StopnieZeStopniMinut(double stopnieMinuty) {
    const double stopnie = std::trunc(stopnieMinuty);
    return stopnie + 5.0 * (stopnieMinuty - stopnie) / 3.0;
}
