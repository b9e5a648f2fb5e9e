#include "search/dowod/DrzewoGomoryHu.h"

#include <lemon/gomory_hu.h>
#include <lemon/hao_orlin.h>
#include <lemon/smart_graph.h>

#include <memory>
#include <numeric>

namespace {

using Pojemnosci = lemon::SmartGraph::EdgeMap<double>;

int korzen(std::vector<int>& rodzic, int v) {
    while (rodzic[std::size_t(v)] != v) {
        rodzic[std::size_t(v)] = rodzic[std::size_t(rodzic[std::size_t(v)])];
        v = rodzic[std::size_t(v)];
    }
    return v;
}

// The components of the edges of positive capacity, each its nodes.
std::vector<std::vector<int>> skladowe(int n, const std::vector<KrawedzPrzepustowa>& krawedzie) {
    std::vector<int> rodzic(static_cast<std::size_t>(n));
    std::iota(rodzic.begin(), rodzic.end(), 0);
    for (const KrawedzPrzepustowa& k : krawedzie)
        if (k.przepustowosc > 0.0)
            rodzic[std::size_t(korzen(rodzic, k.a))] = korzen(rodzic, k.b);
    std::vector<int> numer(std::size_t(n), -1);
    std::vector<std::vector<int>> wynik;
    for (int v = 0; v < n; ++v) {
        int& nr = numer[std::size_t(korzen(rodzic, v))];
        if (nr < 0) {
            nr = int(wynik.size());
            wynik.emplace_back();
        }
        wynik[std::size_t(nr)].push_back(v);
    }
    return wynik;
}

// The tree's cuts below prog, in the graph's node numbers: each tree edge
// (v, its parent) cuts v's subtree from the rest, in preorder one stretch.
template <class Drzewo>
void cieciaDrzewa(const lemon::SmartGraph& g, const Drzewo& drzewo, const std::vector<int>& miasta, double prog,
                  std::vector<CiecieDrzewa>& wynik) {
    const int n = int(miasta.size());
    std::vector<int> rodzic(std::size_t(n), -1);
    std::vector<std::vector<int>> dzieci(static_cast<std::size_t>(n));
    int korzenDrzewa = 0;
    for (int v = 0; v < n; ++v) {
        const lemon::SmartGraph::Node p = drzewo.predNode(g.nodeFromId(v));
        if (p == lemon::INVALID) {
            korzenDrzewa = v;
        } else {
            rodzic[std::size_t(v)] = g.id(p);
            dzieci[std::size_t(g.id(p))].push_back(v);
        }
    }
    std::vector<int> kolejnosc, poczatek(std::size_t(n), 0), stos{korzenDrzewa};
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
    for (int& v : kolejnosc)
        v = miasta[std::size_t(v)];
    for (int v = 0; v < n; ++v) {
        if (rodzic[std::size_t(v)] < 0)
            continue;
        const double wartosc = drzewo.predValue(g.nodeFromId(v));
        if (!(wartosc < prog))
            continue;
        const auto od = kolejnosc.begin() + poczatek[std::size_t(v)];
        wynik.push_back({wartosc, std::vector<int>(od, od + rozmiar[std::size_t(v)])});
    }
}

// One component's cuts below prog. Its global minimum cut (Hao and Orlin's,
// the cost of a maximum flow or two) says first whether the tree's n - 1
// flows can find any: late in the cutting they mostly cannot. (LEMON 1.3's
// Nagamochi-Ibaraki loops on some small graphs of double capacities.)
void cieciaSkladowej(const std::vector<int>& miasta, std::vector<int>& lokalny,
                     const std::vector<KrawedzPrzepustowa>& krawedzie, double prog, std::vector<CiecieDrzewa>& wynik) {
    lemon::SmartGraph g;
    g.reserveNode(int(miasta.size()));
    for (std::size_t v = 0; v < miasta.size(); ++v) {
        lokalny[std::size_t(miasta[v])] = int(v);
        g.addNode();
    }
    Pojemnosci przepustowosc(g);
    for (const KrawedzPrzepustowa& k : krawedzie)
        if (const int a = lokalny[std::size_t(k.a)], b = lokalny[std::size_t(k.b)]; a >= 0 && b >= 0)
            przepustowosc[g.addEdge(g.nodeFromId(a), g.nodeFromId(b))] = k.przepustowosc;
    for (int v : miasta)
        lokalny[std::size_t(v)] = -1;
    lemon::HaoOrlin<lemon::SmartGraph, Pojemnosci> globalny(g, przepustowosc);
    globalny.run();
    if (!(globalny.minCutValue() < prog))
        return;
    lemon::GomoryHu<lemon::SmartGraph, Pojemnosci> drzewo(g, przepustowosc);
    drzewo.run();
    cieciaDrzewa(g, drzewo, miasta, prog, wynik);
}

} // namespace

std::vector<CiecieDrzewa> CieciaGomoryHu(int n, const std::vector<KrawedzPrzepustowa>& krawedzie, double prog) {
    std::vector<CiecieDrzewa> wynik;
    if (n < 2)
        return wynik;
    const std::vector<std::vector<int>> czesci = skladowe(n, krawedzie);
    std::vector<int> lokalny(std::size_t(n), -1);
    for (const std::vector<int>& czesc : czesci) {
        if (czesci.size() > 1 && prog > 0.0)
            wynik.push_back({0.0, czesc});
        if (czesc.size() >= 2)
            cieciaSkladowej(czesc, lokalny, krawedzie, prog, wynik);
    }
    return wynik;
}

namespace {

// The graph of the groups of nodes taken together so far, each a node,
// parallel edges left as they are.
struct Skurczony {
    lemon::SmartGraph g;
    std::unique_ptr<Pojemnosci> przepustowosc;
    std::vector<int> wezel;  // of each group's root; -1 elsewhere

    Skurczony(int n, std::vector<int>& rodzic, const std::vector<KrawedzPrzepustowa>& krawedzie)
        : wezel(std::size_t(n), -1) {
        for (int v = 0; v < n; ++v)
            if (korzen(rodzic, v) == v)
                wezel[std::size_t(v)] = g.id(g.addNode());
        przepustowosc = std::make_unique<Pojemnosci>(g);
        for (const KrawedzPrzepustowa& k : krawedzie) {
            const int a = wezel[std::size_t(korzen(rodzic, k.a))], b = wezel[std::size_t(korzen(rodzic, k.b))];
            if (a != b)
                (*przepustowosc)[g.addEdge(g.nodeFromId(a), g.nodeFromId(b))] = k.przepustowosc;
        }
    }
};

} // namespace

std::vector<CiecieDrzewa> CieciaGlobalne(int n, const std::vector<KrawedzPrzepustowa>& krawedzie, double prog,
                                         int najwiecej) {
    std::vector<CiecieDrzewa> wynik;
    std::vector<int> rodzic(static_cast<std::size_t>(n));
    std::iota(rodzic.begin(), rodzic.end(), 0);
    while (int(wynik.size()) < najwiecej) {
        const Skurczony s(n, rodzic, krawedzie);
        if (lemon::countNodes(s.g) < 2)
            break;
        lemon::HaoOrlin<lemon::SmartGraph, Pojemnosci> globalny(s.g, *s.przepustowosc);
        globalny.run();
        lemon::SmartGraph::NodeMap<bool> strona(s.g);
        const double wartosc = globalny.minCutMap(strona);
        if (!(wartosc < prog))
            break;
        CiecieDrzewa c{wartosc, {}};
        for (int v = 0; v < n; ++v)
            if (strona[s.g.nodeFromId(s.wezel[std::size_t(korzen(rodzic, v))])])
                c.strona.push_back(v);
        // The side goes into its neighbour outside that it is most tied
        // to: the next cut is another.
        std::vector<double> ku(std::size_t(n), 0.0);
        int sasiad = -1;
        for (const KrawedzPrzepustowa& k : krawedzie) {
            const int a = korzen(rodzic, k.a), b = korzen(rodzic, k.b);
            const bool wA = strona[s.g.nodeFromId(s.wezel[std::size_t(a)])];
            if (wA == strona[s.g.nodeFromId(s.wezel[std::size_t(b)])])
                continue;
            const int poza = wA ? b : a;
            ku[std::size_t(poza)] += k.przepustowosc;
            if (sasiad < 0 || ku[std::size_t(poza)] > ku[std::size_t(sasiad)])
                sasiad = poza;
        }
        for (int v = 0; sasiad < 0 && v < n; ++v)
            if (!strona[s.g.nodeFromId(s.wezel[std::size_t(korzen(rodzic, v))])])
                sasiad = korzen(rodzic, v);
        for (int v : c.strona)
            rodzic[std::size_t(korzen(rodzic, v))] = korzen(rodzic, sasiad);
        wynik.push_back(std::move(c));
    }
    return wynik;
}
