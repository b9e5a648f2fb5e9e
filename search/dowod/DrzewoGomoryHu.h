#pragma once

#include <vector>

// The Gomory-Hu tree of an undirected graph with capacities, by LEMON: its
// n - 1 edges give, for every pair of nodes, a minimum cut between them, so
// the least of them is a global minimum cut. The cuts of value below prog
// are returned, each as the nodes on one side.
struct KrawedzPrzepustowa {
    int a, b;
    double przepustowosc;
};

struct CiecieDrzewa {
    double wartosc;
    std::vector<int> strona;
};

// C++17 like its one source file (see CMakeLists.txt): a vector, not a span.
std::vector<CiecieDrzewa> CieciaGomoryHu(int n, const std::vector<KrawedzPrzepustowa>& krawedzie, double prog);
