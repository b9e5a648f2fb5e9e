#pragma once

// The route a proof is about: the shortest, or the longest.
enum class CelDowodu { Najkrotsza, Najdluzsza };
