#pragma once

#include "cli/ZadanieCli.h"
#include "search/certyfikat/SprawdzenieCertyfikatu.h"

#include <atomic>

// The check command: a certificate checked against the .tsp file it names
// and a route of a .tour file, in the file's own metric.
class SprawdzenieCli {
public:
    explicit SprawdzenieCli(const ZadanieCli& zadanie) : zadanie_(zadanie) {}

    // Raises UserError for bad input ("FILE:LINE: what is wrong") and
    // PrzerwanoBezTrasy when przerwano is set while the files are read.
    WerdyktCertyfikatu Uruchom(const std::atomic<bool>& przerwano) const;

private:
    const ZadanieCli& zadanie_;
};
