#pragma once

#include "search/TablicaOdleglosci.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

class Metryka;

// The distance table a search builds on its own thread before it starts, so
// that no window waits, frozen, for the n x n table of tens of thousands of
// cities: gigabytes, and seconds to fill.
class BudowaTablicy {
public:
    // Orders the table of the metric's cities into slot, the slot the search
    // reads. Both stay unchanged, and unread by anyone else, until the search
    // has ended.
    void Zamow(const Metryka* metryka, OdleglosciSlot* slot);
    bool Zamowiona() const { return metryka_ && slot_; }

    // The most memory the table may take; the machine's budget when none.
    std::optional<std::uint64_t> Budzet;

    // For the search's thread: builds the ordered table into an empty slot;
    // a table already there is the search's. False when przerwij stopped
    // it, and the slot is then empty; "Za mało pamięci" for a table over the
    // budget.
    bool Zbuduj(const std::function<bool()>& przerwij);

    // For a window while the search runs: the share of the table's rows
    // built, in whole percent, while it is being built; none otherwise.
    std::optional<int> Procent() const;

private:
    const Metryka* metryka_ = nullptr;
    OdleglosciSlot* slot_ = nullptr;
    std::atomic<int> wiersze_{0};
    std::atomic<bool> trwa_{false};
};
