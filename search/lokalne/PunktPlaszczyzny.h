#pragma once

// A city's place in the plane, when the cities have one: only the choice of
// candidate neighbours uses it, every length comes from the distance function.
struct PunktPlaszczyzny {
    double x = 0.0;
    double y = 0.0;
};
