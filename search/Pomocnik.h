#pragma once

#include <exception>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

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

// Runs praca(w) for w = 1 .. watki-1 on helper threads and praca(0) on the
// calling thread. The moment any of them throws, przerwijInne() is called
// so that the others end instead of running to their own limits; the first
// error comes out here once all have ended. A helper the system cannot start
// gets bezWatku(w) in its place before praca(0) runs (a share that others
// wait for must be given up there).
template <class Praca, class PrzerwijInne, class BezWatku>
void NaWatkach(int watki, Praca&& praca, PrzerwijInne&& przerwijInne, BezWatku&& bezWatku) {
    const auto zPrzerwaniem = [&](int w) {
        try {
            praca(w);
        } catch (...) {
            przerwijInne();
            throw;
        }
    };
    std::vector<std::unique_ptr<Pomocnik>> pomocnicy;
    pomocnicy.reserve(std::size_t(watki > 1 ? watki - 1 : 0));
    for (int w = 1; w < watki; ++w) {
        std::unique_ptr<Pomocnik> pomocnik;
        try {
            pomocnik = std::make_unique<Pomocnik>([&zPrzerwaniem, w] { zPrzerwaniem(w); });
        } catch (...) {
            // No memory for another thread: as if the system had none.
        }
        if (!pomocnik || !pomocnik->Dziala())
            bezWatku(w);
        pomocnicy.push_back(std::move(pomocnik));
    }
    std::exception_ptr blad;
    try {
        zPrzerwaniem(0);
    } catch (...) {
        blad = std::current_exception();
    }
    for (auto& p : pomocnicy) {
        if (!p)
            continue;
        try {
            p->Dolacz();
        } catch (...) {
            if (!blad)
                blad = std::current_exception();
        }
    }
    if (blad)
        std::rethrow_exception(blad);
}
