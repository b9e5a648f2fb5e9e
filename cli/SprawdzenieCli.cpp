#include "cli/SprawdzenieCli.h"

#include "cli/WejscieCli.h"
#include "cli/WyjatkiCli.h"
#include "search/certyfikat/CzytanieCertyfikatu.h"
#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"

WerdyktCertyfikatu SprawdzenieCli::Uruchom(const std::atomic<bool>& przerwano) const {
    InstancjaTsp instancja = WczytajWejscie(zadanie_.plik, przerwano);
    const std::vector<int> trasa = PlikTsp::TrasaInstancji(instancja, zadanie_.plik, zadanie_.trasa, [&] {
        if (przerwano.load())
            throw PrzerwanoBezTrasy{};
    });
    const Certyfikat certyfikat = WczytajCertyfikat(zadanie_.certyfikat);
    const QString nazwa = instancja.Nazwa;
    const ZestawMiast miasta = PlikZestawu::ZInstancji(std::move(instancja));
    return SprawdzCertyfikat(certyfikat, miasta.metryka, nazwa, trasa);
}
