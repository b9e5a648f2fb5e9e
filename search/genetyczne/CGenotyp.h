#pragma once

#include <vector>

// One individual of the genetic search: a closed route through all cities.
class CGenotyp {
public:
    int Ilosc = 0;
    std::vector<int> Geny;
    double Droga = 0.0;
    double Przystosowanie = 0.0;
    double Prawdopodobienstwo = 0.0;
    double Dystrybuanta = 0.0;

    // Gives the individual n genes holding the identity route; nothing when
    // it already has n. The four values are left as they are.
    void UstawIlosc(int n);
};
