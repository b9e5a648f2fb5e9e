#pragma once

#include <vector>

// The cuts of an undirected graph with capacities below prog, each as the
// nodes on one side, by LEMON's Gomory-Hu tree: its n - 1 edges give, for
// every pair of nodes, a minimum cut between them. The tree is built for
// each component of the edges of positive capacity alone (n - 1 maximum
// flows over the whole graph cost the square of its size, the components'
// far less), each component being a cut of value 0 itself; and only where
// the component's global minimum cut is below prog, for else none of the
// tree's is.
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

// Up to najwiecej cuts below prog, a global minimum cut (Hao and Orlin's)
// at a time, each found side then taken together with the node outside it
// most tied to it so that the next is another: a few maximum flows' cost
// where the tree takes n - 1. None exactly when no cut is below prog.
std::vector<CiecieDrzewa> CieciaGlobalne(int n, const std::vector<KrawedzPrzepustowa>& krawedzie, double prog,
                                         int najwiecej);
