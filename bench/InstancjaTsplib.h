#pragma once

#include "storage/PlikZestawu.h"
#include "toolkit/core/UserError.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <string>

// A TSPLIB file as the benchmarks read it, named after the file: some NAME
// lines carry ".tsp" (ulysses16), optima.tsv does not.
struct InstancjaTsplib {
    std::string nazwa;
    ZestawMiast miasta;
};

// None, after a line on standard error, for a file that cannot be read.
inline std::optional<InstancjaTsplib> wczytajTsplib(const std::string& plik) {
    const QString sciezka = QString::fromStdString(plik);
    try {
        return InstancjaTsplib{QFileInfo(sciezka).completeBaseName().toStdString(), PlikZestawu::Wczytaj(sciezka)};
    } catch (const UserError& e) {
        std::fprintf(stderr, "%s: skipped (%s)\n", plik.c_str(), e.what());
        return std::nullopt;
    }
}
