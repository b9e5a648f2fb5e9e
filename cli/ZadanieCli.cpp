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

UstawieniaSesji ZadanieCli::Ustawienia() const {
    UstawieniaSesji u = sesja;
    switch (metoda) {
    case Metoda::Automatyczna: u.metoda = MetodaSesji::Automatyczna; break;
    case Metoda::Dokladna: u.metoda = MetodaSesji::Dokladna; break;
    case Metoda::Losowa: u.metoda = MetodaSesji::Losowo; break;
    case Metoda::Genetyczna: u.metoda = MetodaSesji::Genetycznie; break;
    case Metoda::Lokalna: u.metoda = MetodaSesji::Lokalnie; break;
    }
    u.certyfikat = polecenie == Polecenie::Rozwiaz && !certyfikat.isEmpty();
    // The exact method has no limit unless one is given.
    if (metoda == Metoda::Dokladna && !limitPodany)
        u.limitSekund = 0.0;
    return u;
}
