#include "cli/ZadanieCli.h"

QString ZadanieCli::NazwaMetody(Metoda metoda) {
    switch (metoda) {
    case Metoda::Automatyczna: return QStringLiteral("auto");
    case Metoda::Dokladna: return QStringLiteral("exact");
    case Metoda::Losowa: return QStringLiteral("random");
    case Metoda::Genetyczna: return QStringLiteral("genetic");
    case Metoda::Lokalna: return QStringLiteral("local");
    }
    return {};
}
