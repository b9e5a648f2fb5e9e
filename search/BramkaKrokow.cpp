#include "search/BramkaKrokow.h"

#include "toolkit/core/Gate.h"

#include <algorithm>

namespace {

// From one step a second at the slowest tempo, twice as fast at each notch,
// to about 250 a second just below full speed.
std::chrono::steady_clock::duration przerwa(int tempo) {
    return std::chrono::milliseconds(1000 >> (tempo - 1));
}

} // namespace

bool BramkaKrokow::Krok(OpisKroku opis) {
    {
        std::lock_guard lock(mutex_);
        opis_ = std::move(opis);
        ++numerOpisu_;
    }
    kroki_.fetch_add(1, std::memory_order_acq_rel);
    for (;;) {
        // A hold parks the worker where the search's pause counts it.
        if (gate_ && gate_->checkpoint())
            return true;
        std::unique_lock lock(mutex_);
        if (mozna(lock))
            return gate_ && gate_->finishRequested();
    }
}

bool BramkaKrokow::czekaj(std::unique_lock<std::mutex>& lock, std::chrono::steady_clock::time_point termin) {
    // The user's time over a step is no time of the search's: its limit and
    // its figures read a clock that stands still meanwhile.
    if (gate_)
        gate_->beginIdle();
    const long long wersja = wersja_;
    const auto przerwana = [this, wersja] {
        return wersja_ != wersja || (gate_ && (gate_->isHeld() || gate_->finishRequested()));
    };
    if (termin == std::chrono::steady_clock::time_point::max())
        zmiana_.wait(lock, przerwana);
    else
        zmiana_.wait_until(lock, termin, przerwana);
    if (gate_)
        gate_->endIdle();
    return false;
}

bool BramkaKrokow::mozna(std::unique_lock<std::mutex>& lock) {
    if (pozwolenia_ > 0) {
        --pozwolenia_;
        return true;
    }
    if (tempo_ >= kPelneTempo)
        return true;
    if (tempo_ <= 0)
        return czekaj(lock, std::chrono::steady_clock::time_point::max());
    const auto teraz = std::chrono::steady_clock::now();
    const auto termin = ostatni_ + przerwa(tempo_);
    if (teraz >= termin) {
        ostatni_ = teraz;
        return true;
    }
    return czekaj(lock, termin);
}

void BramkaKrokow::Pozwol() {
    std::lock_guard lock(mutex_);
    ++pozwolenia_;
    ++wersja_;
    zmiana_.notify_all();
}

void BramkaKrokow::UstawTempo(int tempo) {
    std::lock_guard lock(mutex_);
    tempo_ = std::clamp(tempo, 0, kPelneTempo);
    ++wersja_;
    zmiana_.notify_all();
}

int BramkaKrokow::Tempo() const {
    std::lock_guard lock(mutex_);
    return tempo_;
}

void BramkaKrokow::Obudz() {
    std::lock_guard lock(mutex_);
    ++wersja_;
    zmiana_.notify_all();
}

std::optional<OpisKroku> BramkaKrokow::Nowy() {
    std::lock_guard lock(mutex_);
    if (numerOpisu_ == odczytany_)
        return std::nullopt;
    odczytany_ = numerOpisu_;
    return opis_;
}
