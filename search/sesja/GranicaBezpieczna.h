#pragma once

// A bound as it is printed and compared, rounded the safe way: whole in a
// file's metric, to four decimals in the grid's cells; down for a lower
// bound (gorna false), up for an upper one.
double GranicaWydruku(double granica, bool gorna, bool calkowita);

// A bound on the exact sums of the weights of routes of n cities, made a
// bound on the sums the program prints and compares. In a file's metric the
// two are the same whole numbers. In the grid's cells a route's length is
// its steps summed in single precision, which may lie below (above) the
// exact sum by up to gamma = (n-1)u / (1 - (n-1)u) of it, u = 2^-24: a bound
// as close as Held and Karp's can otherwise pass the printed optimum.
double GranicaSumPojedynczych(double granica, bool gorna, int n, bool calkowita);
