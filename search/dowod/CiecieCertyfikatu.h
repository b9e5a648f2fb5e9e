#pragma once

#include "search/certyfikat/Certyfikat.h"
#include "search/dowod/Ciecie.h"

#include <optional>
#include <vector>

// A cut of the branch and cut in the certificate's form: its sets as
// intervals of positions in the route (pozycja: the position of each city),
// its kind told by its shape. None for a cut of a shape the certificate has
// no form for.
std::optional<CiecieCertyfikatu> CiecieDoCertyfikatu(const Ciecie& c, const std::vector<int>& pozycja);
