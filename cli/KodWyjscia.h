#pragma once

// The exit codes of wedrownik-cli, as --help lists them. When several apply,
// the first of BladWyjscia, BladTour, BladCertyfikatu and Przerwano wins.
namespace KodWyjscia {
enum : int {
    Gotowe = 0,
    Niewazny = 1,          // check: the certificate does not prove the route
    BladWejscia = 2,       // bad usage or input
    BladWyszukiwania = 3,  // the search itself failed (out of memory)
    BladWyjscia = 4,       // standard output could not be written
    BladTour = 5,          // the route was printed, the --tour file not written
    BladCertyfikatu = 6,   // the route was printed, the --certificate file not written
    Przerwano = 130,       // Ctrl+C
};
} // namespace KodWyjscia
