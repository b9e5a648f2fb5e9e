#pragma once

// No bound: the walk evaluates every route.
struct BezGranic {
    void zajmij(int) {}
    void zwolnij(int, float) {}
    bool bezZmian(float, int, float, float) const { return false; }
};
