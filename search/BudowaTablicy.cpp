#include "search/BudowaTablicy.h"

#include "search/TablicaZMetryki.h"
#include "toolkit/core/MemoryBudget.h"

void BudowaTablicy::Zamow(const Metryka* metryka, OdleglosciSlot* slot) {
    metryka_ = metryka;
    slot_ = slot;
}

bool BudowaTablicy::Zbuduj(const std::function<bool()>& przerwij) {
    if (!Zamowiona())
        return true;
    if (*slot_)
        return true;
    const int n = metryka_->Ilosc();
    wiersze_.store(0, std::memory_order_relaxed);
    trwa_.store(true, std::memory_order_relaxed);
    struct Koniec {
        std::atomic<bool>& trwa;
        ~Koniec() { trwa.store(false, std::memory_order_relaxed); }
    } koniec{trwa_};
    int wiersz = 0;
    *slot_ = TablicaZMetryki(*metryka_, Budzet ? *Budzet : memoryBudget(), [&] {
        wiersze_.store(wiersz++, std::memory_order_relaxed);
        return przerwij && przerwij();
    });
    return *slot_ || n <= 0;
}

std::optional<int> BudowaTablicy::Procent() const {
    if (!trwa_.load(std::memory_order_relaxed) || !metryka_ || metryka_->Ilosc() <= 0)
        return std::nullopt;
    return int(std::int64_t(wiersze_.load(std::memory_order_relaxed)) * 100 / metryka_->Ilosc());
}
