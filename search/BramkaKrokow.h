#pragma once

#include "search/OpisKroku.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

class Gate;

// The step mode of a search: the worker stops at each step, after saying
// what the step looked at, until the user grants the next one or the tempo
// lets it go. A worker without step mode has no gate at all and pays nothing.
//
// A hold of the search and a finish request must reach a worker waiting
// here: whoever holds or finishes calls Obudz after it. A held worker then
// parks at the search's own gate and comes back to wait for its step.
class BramkaKrokow {
public:
    // Tempo 0: one step per Pozwol; kPelneTempo: no waiting at all.
    static constexpr int kPelneTempo = 10;

    BramkaKrokow() = default;
    BramkaKrokow(const BramkaKrokow&) = delete;
    BramkaKrokow& operator=(const BramkaKrokow&) = delete;

    // Before the worker starts: the gate of the search it belongs to.
    void Podlacz(Gate& gate) { gate_ = &gate; }

    // For the worker: records the step and waits for leave to go on; true
    // when the search must stop. Holds no lock of the worker's.
    bool Krok(OpisKroku opis);

    // For the user interface.
    void Pozwol();
    void UstawTempo(int tempo);
    int Tempo() const;
    void Obudz();
    long long Kroki() const { return kroki_.load(std::memory_order_acquire); }
    // The last step's description when it is newer than the one returned
    // last time. One reader thread only.
    std::optional<OpisKroku> Nowy();

private:
    // Whether the worker may take its step now; else waits a while (until
    // let go, the tempo's time, a hold or a finish) and says no.
    bool mozna(std::unique_lock<std::mutex>& lock);
    bool czekaj(std::unique_lock<std::mutex>& lock, std::chrono::steady_clock::time_point termin);

    Gate* gate_ = nullptr;
    mutable std::mutex mutex_;
    std::condition_variable zmiana_;
    // Bumped by every call that may let a waiting worker go.
    long long wersja_ = 0;
    int pozwolenia_ = 0;
    int tempo_ = 0;
    std::chrono::steady_clock::time_point ostatni_{};
    OpisKroku opis_;
    long long numerOpisu_ = 0;
    long long odczytany_ = 0;
    std::atomic<long long> kroki_{0};
};
