#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

// A search's points over time for a chart, written by the search and read
// by any thread. It holds at most NajwiecejPunktow points whatever the
// run's length: when full, every other point goes, so the record spans the
// whole run, its older part more thinly than the newer.
template <class Punkt>
class HistoriaPostepu {
public:
    static constexpr std::size_t NajwiecejPunktow = 4096;

    void Dodaj(const Punkt& punkt) {
        std::lock_guard lock(mutex_);
        if (punkty_.size() >= NajwiecejPunktow) {
            std::size_t j = 0;
            for (std::size_t i = 0; i < punkty_.size(); i += 2)
                punkty_[j++] = punkty_[i];
            punkty_.resize(j);
        }
        punkty_.push_back(punkt);
    }

    std::vector<Punkt> Punkty() const {
        std::lock_guard lock(mutex_);
        return punkty_;
    }

    void Wyczysc() {
        std::lock_guard lock(mutex_);
        punkty_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<Punkt> punkty_;
};
