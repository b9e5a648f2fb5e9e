#include "search/lokalne/WarunekKonca.h"

bool WarunekKonca::operator()() {
    if (koniec_.load(std::memory_order_relaxed))
        return true;
    const auto przed = Zegar::now();
    bool stop = przerwij_();
    const auto po = Zegar::now();
    // A hold lasts as long as a person takes to resume; a thread merely
    // preempted inside the call on a busy machine must not stretch the limit.
    if (po - przed > std::chrono::milliseconds(20))
        wstrzymanie_ += po - przed;
    if (!stop && limitSekund_ > 0.0 && Sekundy(po) >= limitSekund_)
        stop = true;
    if (stop)
        koniec_.store(true, std::memory_order_relaxed);
    return stop;
}
