#pragma once

#include "cli/WynikCli.h"
#include "cli/ZadanieCli.h"

#include <atomic>
#include <functional>

// Runs one search of the command line: reads the cities, builds the distance
// table, solves.
class RozwiazanieCli {
public:
    explicit RozwiazanieCli(const ZadanieCli& zadanie) : zadanie_(zadanie) {}

    // przerwano (Ctrl+C) is looked at every 100 ms at most, in every stage;
    // once it is set the search ends and its best complete route so far is
    // the answer. postep, when given, receives a progress line now and then.
    // Raises UserError for bad input ("FILE:LINE: what is wrong"),
    // PrzerwanoBezTrasy when przerwano came before the first complete route,
    // and BladWyszukiwania when the search ended by itself without one.
    // uwaga, when given, receives notes for standard error: a method that
    // may not finish, a result that single precision leaves uncertain.
    WynikCli Uruchom(const std::atomic<bool>& przerwano, const std::function<void(const QString&)>& postep,
                     const std::function<void(const QString&)>& uwaga = {});

private:
    const ZadanieCli& zadanie_;
};
