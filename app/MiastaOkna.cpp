#include "app/MiastaOkna.h"

#include "grid/CMatryca.h"
#include "search/CPunkty.h"

#include <utility>

std::shared_ptr<const ZestawMiast> MiastaOkna::Zestaw() const {
    if (Plik())
        return plik_;
    if (!siatki_ || wersjaSiatki_ != matryca_.WersjaMiast()) {
        CPunkty miasta;
        miasta.LoadFromCMatryca(&matryca_);
        siatki_ = std::make_shared<const ZestawMiast>(ZestawMiast::ZKomorek(std::move(miasta.Punkty)));
        wersjaSiatki_ = matryca_.WersjaMiast();
    }
    return siatki_;
}

void MiastaOkna::UstawPlik(std::shared_ptr<const ZestawMiast> zestaw, WidokPliku widok) {
    plik_ = std::move(zestaw);
    widok_ = std::make_shared<const WidokPliku>(std::move(widok));
    wersjaPliku_ = matryca_.WersjaMiast();
}

void MiastaOkna::PorzucPlik() {
    plik_.reset();
    widok_.reset();
}

PlikOkna MiastaOkna::StanPliku() const {
    if (!Plik())
        return {};
    return {plik_, widok_};
}

void MiastaOkna::PrzywrocPlik(const PlikOkna& plik) {
    if (!plik.zestaw || !plik.widok) {
        PorzucPlik();
        return;
    }
    plik_ = plik.zestaw;
    widok_ = plik.widok;
    wersjaPliku_ = matryca_.WersjaMiast();
}

const ZestawMiast* MiastaOkna::Plik() const {
    if (!plik_ || (!plik_->komorki.empty() && matryca_.WersjaMiast() != wersjaPliku_))
        return nullptr;
    return plik_.get();
}

void MiastaOkna::UstawTrase(std::shared_ptr<const ZestawMiast> zestaw, std::vector<int> trasa) {
    zestawTrasy_ = std::move(zestaw);
    trasa_ = std::move(trasa);
}

void MiastaOkna::UstawCertyfikat(std::shared_ptr<const ZestawMiast> zestaw,
                                 std::shared_ptr<const Certyfikat> certyfikat) {
    zestawCertyfikatu_ = std::move(zestaw);
    certyfikat_ = std::move(certyfikat);
}

const Certyfikat* MiastaOkna::CertyfikatDowodu() const {
    if (!certyfikat_ || zestawCertyfikatu_ != Zestaw())
        return nullptr;
    return certyfikat_.get();
}

const std::vector<int>* MiastaOkna::Trasa() const {
    if (!zestawTrasy_ || trasa_.empty() || zestawTrasy_ != Zestaw())
        return nullptr;
    return &trasa_;
}
