#include "search/lokalne/WarunekKonca.h"

bool WarunekKonca::operator()() {
    if (koniec_.load(std::memory_order_relaxed))
        return true;
    bool stop = przerwij_();
    if (!stop && limitSekund_ > 0.0 && zegar_.seconds() >= limitSekund_)
        stop = true;
    if (stop)
        Zakoncz();
    return stop;
}
