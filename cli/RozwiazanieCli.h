#pragma once

#include "cli/ZadanieCli.h"

#include <QByteArray>

#include <atomic>
#include <functional>

// Runs one search of the command line: reads the cities, solves, writes the
// answer. Input errors raise UserError ("FILE:LINE: what is wrong").
class RozwiazanieCli {
public:
    explicit RozwiazanieCli(const ZadanieCli& zadanie) : zadanie_(zadanie) {}

    // przerwano is polled every 100 ms; once true the search ends and the
    // best route so far is written. postep, when given, receives a progress
    // line now and then. Returns the text for standard output; sets
    // przerwany when the search was ended early.
    QByteArray Uruchom(const std::atomic<bool>& przerwano, const std::function<void(const QString&)>& postep,
                       bool& przerwany);

private:
    const ZadanieCli& zadanie_;
};
