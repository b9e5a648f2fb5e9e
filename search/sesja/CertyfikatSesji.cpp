#include "search/sesja/CertyfikatSesji.h"

#include "search/ZestawMiast.h"
#include "search/certyfikat/SumaWag.h"
#include "search/sesja/WynikSesji.h"

#include <optional>

namespace {

QString dlaczegoBez(const TrasaSesji& t) {
    return t.bezCertyfikatu.isEmpty() ? QStringLiteral("not proven") : t.bezCertyfikatu;
}

} // namespace

CertyfikatSesji ZlozCertyfikat(const WynikSesji& w, const ZestawMiast& miasta, const QString& nazwa) {
    CertyfikatSesji wynik;
    auto c = std::make_shared<Certyfikat>();
    for (const auto& [trasa, cel] : {std::pair{&w.najkrotsza, "shortest"}, std::pair{&w.najdluzsza, "longest"}}) {
        if (!*trasa)
            continue;
        if ((*trasa)->certyfikat) {
            c->sekcje.push_back(*(*trasa)->certyfikat);
            continue;
        }
        if (!wynik.brak.isEmpty())
            wynik.brak += QStringLiteral("; ");
        wynik.brak += QStringLiteral("the %1 route: %2").arg(QLatin1String(cel), dlaczegoBez(**trasa));
    }
    if (c->sekcje.empty())
        return wynik;
    c->nazwa = nazwa;
    c->miasta = miasta.Ilosc();
    c->suma = SumaWag(WagiCalkowite(miasta.metryka));
    wynik.certyfikat = std::move(c);
    return wynik;
}
