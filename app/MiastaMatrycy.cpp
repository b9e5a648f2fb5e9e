#include "app/MiastaMatrycy.h"

#include "grid/CMatryca.h"

#include <memory>

MiastaMatrycy MiastaMatrycy::Z(const CMatryca& matryca) {
    MiastaMatrycy zapis;
    zapis.wiersze_ = matryca.GetRowCount();
    zapis.kolumny_ = matryca.GetColumnCount();
    const std::size_t kolumny = std::size_t(zapis.kolumny_);
    const std::size_t komorki = std::size_t(zapis.wiersze_) * kolumny;
    // One pass: the list until it would outgrow the bits, the bits from then on.
    const std::size_t najwiecejNaLiscie = komorki / (8 * sizeof(TPunkt));
    auto naBity = [&] {
        zapis.bity_.assign((komorki + 63) / 64, 0);
        for (const TPunkt& p : zapis.miasta_)
            zapis.ustawBit(std::size_t(p.y) * kolumny + std::size_t(p.x));
        zapis.miasta_ = {};
    };
    for (int w = 0; w < zapis.wiersze_; ++w)
        for (int k = 0; k < zapis.kolumny_; ++k) {
            if (!matryca.GetCell(w, k))
                continue;
            ++zapis.ilosc_;
            if (zapis.bity_.empty() && zapis.miasta_.size() >= najwiecejNaLiscie)
                naBity();
            if (zapis.bity_.empty())
                zapis.miasta_.push_back(TPunkt{k, w});
            else
                zapis.ustawBit(std::size_t(w) * kolumny + std::size_t(k));
        }
    return zapis;
}

void MiastaMatrycy::Przywroc(CMatryca& matryca) const {
    matryca.UstawWymiary(wiersze_, kolumny_);
    if (matryca.GetRowCount() != wiersze_ || matryca.GetColumnCount() != kolumny_)
        return;
    const std::size_t komorki = std::size_t(wiersze_) * std::size_t(kolumny_);
    auto tablica = std::make_unique<bool[]>(komorki);
    for (const TPunkt& p : miasta_)
        tablica[std::size_t(p.y) * std::size_t(kolumny_) + std::size_t(p.x)] = true;
    for (std::size_t i = 0; i < bity_.size() * 64 && i < komorki; ++i)
        tablica[i] = (bity_[i / 64] >> (i % 64)) & 1;
    matryca.LoadFromWektor(tablica.get(), static_cast<int>(komorki));
}
