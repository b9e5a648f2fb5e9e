#include "search/permutacje/PrzejsciePermutacji.h"

PrzejsciePermutacji::PrzejsciePermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast)
    : odleglosci_(odleglosci), n_(std::max(iloscMiast, 1)) {
    const std::size_t n = std::size_t(n_);
    najlepsza_.resize(n);
    trasa_.resize(n);
    sumy_.resize(n);
    nastepny_.resize(n + 1);
    uzyte_.resize(n);
    silnia_.resize(n);
    for (std::size_t k = 0; k < n; ++k)
        silnia_[k] = Silnia(int(k));
}

void PrzejsciePermutacji::Zacznij(std::atomic<std::uint32_t>& nrPermutacji) {
    pokryte_ = 0;
    odwiedzone_ = 0;
    kroki_ = 0;
    std::iota(najlepsza_.begin(), najlepsza_.end(), 0);
    najkrotsza_ = najdluzsza_ = SumaTrasy(odleglosci_, najlepsza_.data(), n_);
    oglos(nrPermutacji);
}

void PrzejsciePermutacji::Zglos(const std::vector<int>& trasa, float dlugosc) {
    if (dlugosc < najkrotsza_) {
        najkrotsza_ = dlugosc;
        najlepsza_ = trasa;
    }
    ZglosDluzsza(dlugosc);
}

void PrzejsciePermutacji::oglos(std::atomic<std::uint32_t>& nrPermutacji) const {
    // The identity, the first route, is not counted.
    nrPermutacji.store(pokryte_ == 0 ? 0u : std::uint32_t(pokryte_ - 1), std::memory_order_relaxed);
    if (pokrycie_)
        pokrycie_->Zglos(przeglad_, pokryte_);
}
