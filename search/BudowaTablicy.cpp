#include "search/BudowaTablicy.h"

#include "search/CPunkty.h"
#include "toolkit/core/MemoryBudget.h"

void BudowaTablicy::Zamow(const CPunkty* miasta, OdleglosciSlot* slot) {
    miasta_ = miasta;
    slot_ = slot;
}

bool BudowaTablicy::Zbuduj(const std::function<bool()>& przerwij) {
    if (!Zamowiona())
        return true;
    if (*slot_)
        return true;
    const int n = miasta_->Count();
    wiersze_.store(0, std::memory_order_relaxed);
    trwa_.store(true, std::memory_order_relaxed);
    struct Koniec {
        std::atomic<bool>& trwa;
        ~Koniec() { trwa.store(false, std::memory_order_relaxed); }
    } koniec{trwa_};
    int wiersz = 0;
    *slot_ = miasta_->CreateOdleglosci(Budzet ? *Budzet : memoryBudget(), [&] {
        wiersze_.store(wiersz++, std::memory_order_relaxed);
        return przerwij && przerwij();
    });
    return *slot_ || n <= 0;
}

std::optional<int> BudowaTablicy::Procent() const {
    if (!trwa_.load(std::memory_order_relaxed) || !miasta_ || miasta_->Count() <= 0)
        return std::nullopt;
    return int(std::int64_t(wiersze_.load(std::memory_order_relaxed)) * 100 / miasta_->Count());
}
