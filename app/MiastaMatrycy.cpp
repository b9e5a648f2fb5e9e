#include "app/MiastaMatrycy.h"

#include "grid/CMatryca.h"

#include <memory>

MiastaMatrycy MiastaMatrycy::Z(const CMatryca& matryca) {
    MiastaMatrycy zapis;
    zapis.wiersze_ = matryca.GetRowCount();
    zapis.kolumny_ = matryca.GetColumnCount();
    const std::size_t komorki = std::size_t(zapis.wiersze_) * std::size_t(zapis.kolumny_);
    std::size_t ilosc = 0;
    for (int w = 0; w < zapis.wiersze_; ++w)
        for (int k = 0; k < zapis.kolumny_; ++k)
            ilosc += matryca.GetCell(w, k) ? 1 : 0;
    zapis.ilosc_ = static_cast<int>(ilosc);
    const bool bitami = ilosc * sizeof(TPunkt) * 8 > komorki;
    if (bitami)
        zapis.bity_.assign((komorki + 63) / 64, 0);
    else
        zapis.miasta_.reserve(ilosc);
    for (int w = 0; w < zapis.wiersze_; ++w)
        for (int k = 0; k < zapis.kolumny_; ++k) {
            if (!matryca.GetCell(w, k))
                continue;
            if (!bitami) {
                zapis.miasta_.push_back(TPunkt{k, w});
                continue;
            }
            const std::size_t i = std::size_t(w) * std::size_t(zapis.kolumny_) + std::size_t(k);
            zapis.bity_[i / 64] |= std::uint64_t(1) << (i % 64);
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
