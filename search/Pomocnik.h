#pragma once

#include <exception>
#include <system_error>
#include <thread>
#include <utility>

// A share of one search's work on a second thread, when the system gives
// one. Whatever the share throws is kept and raised again by Dolacz() on
// the thread that started it, so nothing leaves the helper thread.
class Pomocnik {
public:
    template <class Praca>
    explicit Pomocnik(Praca&& praca) {
        try {
            watek_ = std::thread([this, praca = std::forward<Praca>(praca)]() mutable {
                try {
                    praca();
                } catch (...) {
                    blad_ = std::current_exception();
                }
            });
            dziala_ = true;
        } catch (const std::system_error&) {
            // No second thread to be had: the caller does the share itself.
        }
    }
    Pomocnik(const Pomocnik&) = delete;
    Pomocnik& operator=(const Pomocnik&) = delete;
    ~Pomocnik() {
        if (watek_.joinable())
            watek_.join();
    }

    // The share runs on its own thread.
    bool Dziala() const { return dziala_; }

    // Waits for the share's end and raises what it threw.
    void Dolacz() {
        if (watek_.joinable())
            watek_.join();
        if (blad_)
            std::rethrow_exception(std::exchange(blad_, nullptr));
    }

private:
    std::exception_ptr blad_;
    bool dziala_ = false;
    std::thread watek_;
};
