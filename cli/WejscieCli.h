#pragma once

#include "storage/PlikTsp.h"

#include <QString>

#include <atomic>

// Reads the cities of plik ("-" for standard input) as PlikTsp does, but
// gives way to Ctrl+C: przerwano is looked at every 100 ms at most, also
// while a pipe or a terminal sends nothing and while a large file is parsed,
// and once it is set PrzerwanoBezTrasy is raised.
MapaTsp WczytajWejscie(const QString& plik, const std::atomic<bool>& przerwano);
