#include "search/dowod/DrzewoGomoryHu.h"

#include <lemon/gomory_hu.h>
#include <lemon/smart_graph.h>

std::vector<CiecieDrzewa> CieciaGomoryHu(int n, const std::vector<KrawedzPrzepustowa>& krawedzie, double prog) {
    std::vector<CiecieDrzewa> wynik;
    if (n < 2)
        return wynik;
    lemon::SmartGraph g;
    g.reserveNode(n);
    g.reserveEdge(int(krawedzie.size()));
    for (int v = 0; v < n; ++v)
        g.addNode();
    lemon::SmartGraph::EdgeMap<double> przepustowosc(g);
    for (const KrawedzPrzepustowa& k : krawedzie)
        przepustowosc[g.addEdge(g.nodeFromId(k.a), g.nodeFromId(k.b))] = k.przepustowosc;
    lemon::GomoryHu<lemon::SmartGraph, lemon::SmartGraph::EdgeMap<double>> drzewo(g, przepustowosc);
    drzewo.run();

    // Each tree edge (v, its parent) cuts v's subtree from the rest: in
    // preorder a subtree is one stretch.
    std::vector<int> rodzic(std::size_t(n), -1);
    std::vector<std::vector<int>> dzieci(static_cast<std::size_t>(n));
    int korzen = 0;
    for (int v = 0; v < n; ++v) {
        const lemon::SmartGraph::Node p = drzewo.predNode(g.nodeFromId(v));
        if (p == lemon::INVALID) {
            korzen = v;
        } else {
            rodzic[std::size_t(v)] = g.id(p);
            dzieci[std::size_t(g.id(p))].push_back(v);
        }
    }
    std::vector<int> kolejnosc, poczatek(std::size_t(n), 0), stos{korzen};
    kolejnosc.reserve(std::size_t(n));
    while (!stos.empty()) {
        const int v = stos.back();
        stos.pop_back();
        poczatek[std::size_t(v)] = int(kolejnosc.size());
        kolejnosc.push_back(v);
        for (int d : dzieci[std::size_t(v)])
            stos.push_back(d);
    }
    std::vector<int> rozmiar(std::size_t(n), 1);
    for (auto v = kolejnosc.rbegin(); v != kolejnosc.rend(); ++v)
        if (rodzic[std::size_t(*v)] >= 0)
            rozmiar[std::size_t(rodzic[std::size_t(*v)])] += rozmiar[std::size_t(*v)];
    for (int v = 0; v < n; ++v) {
        if (rodzic[std::size_t(v)] < 0)
            continue;
        const double wartosc = drzewo.predValue(g.nodeFromId(v));
        if (!(wartosc < prog))
            continue;
        const auto od = kolejnosc.begin() + poczatek[std::size_t(v)];
        wynik.push_back({wartosc, std::vector<int>(od, od + rozmiar[std::size_t(v)])});
    }
    return wynik;
}
