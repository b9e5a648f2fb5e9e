#pragma once

#include "storage/InstancjaTsp.h"

#include <QString>

#include <atomic>

// Reads the instance of plik ("-" for standard input) as PlikTsp does, but
// gives way to Ctrl+C: przerwano is looked at every 100 ms at most, also
// while a pipe or a terminal sends nothing and while a large file is parsed,
// and once it is set PrzerwanoBezTrasy is raised.
InstancjaTsp WczytajWejscie(const QString& plik, const std::atomic<bool>& przerwano);
