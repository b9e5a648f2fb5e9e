#pragma once

#include <QString>

#include <optional>

struct MigawkaSesji;

// The progress line of a running search, for a terminal; none while there
// is nothing to say.
std::optional<QString> LiniaPostepu(const MigawkaSesji& migawka, bool calkowita);
