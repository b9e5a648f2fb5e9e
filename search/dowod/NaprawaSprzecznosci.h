#pragma once

#include <cstddef>

class ProgramLiniowy;
class WycenaKrawedzi;

// An LP with no solution over the columns it has: Clp's infeasibility ray,
// in either sign, either proves that no x within the node's bounds meets
// the rows whatever the edges (Dowiedziona: the node closes), or names
// edges outside the LP with a negative reduced cost under it, which could
// mend it (Dodane: the more of the two signs' edges, at most limitKolumn,
// are in the LP now), or neither (Nieznana: the node is left unresolved).
enum class Sprzecznosc { Dowiedziona, Dodane, Nieznana };

Sprzecznosc NaprawSprzecznosc(ProgramLiniowy& lp, WycenaKrawedzi& wycena, std::size_t limitKolumn);
