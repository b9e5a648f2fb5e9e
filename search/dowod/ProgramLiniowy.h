#pragma once

#include "search/dowod/Ciecie.h"
#include "search/dowod/Krawedz.h"
#include "search/dowod/WagiKrawedzi.h"

#include <memory>
#include <span>
#include <vector>

class ClpSimplex;

// The LP relaxation over a subset of the edges, in COIN-OR's Clp: one column
// x_e in [0, 1] per edge taken in, the n degree equations x(delta(v)) = 2,
// then one row per cut. Rows are added and dropped between solves and the
// next solve starts from the last basis: dual simplex after rows or bounds
// change (the basis stays dual feasible), primal after columns come in (it
// stays primal feasible).
class ProgramLiniowy {
public:
    explicit ProgramLiniowy(const WagiKrawedzi& w);
    ~ProgramLiniowy();
    ProgramLiniowy(const ProgramLiniowy&) = delete;
    ProgramLiniowy& operator=(const ProgramLiniowy&) = delete;

    const WagiKrawedzi& Wagi() const { return w_; }
    int IloscMiast() const { return w_.Ilosc(); }

    // Columns. New ones come with bounds [0, 1]; edges already in are left.
    void DodajKrawedzie(std::span<const Krawedz> krawedzie);
    // -1 for an edge not in the LP.
    int Kolumna(Krawedz k) const { return kolumna_[k.Indeks()]; }
    const std::vector<Krawedz>& Krawedzie() const { return krawedzie_; }
    int IloscKolumn() const { return int(krawedzie_.size()); }
    // The columns at a city.
    const std::vector<int>& KolumnyMiasta(int v) const { return kolumnyMiasta_[std::size_t(v)]; }
    void UstawGranice(int kolumna, double dolna, double gorna);
    double Dolna(int kolumna) const;
    double Gorna(int kolumna) const;

    // Rows. Cut k is row n + k; deleting renumbers the cuts after it.
    void DodajCiecia(std::vector<Ciecie> ciecia);
    void UsunCiecia(std::vector<int> numery);
    const std::vector<Ciecie>& Ciecia() const { return ciecia_; }
    int IloscCiec() const { return int(ciecia_.size()); }

    enum class Stan { Optymalny, Sprzeczny, Blad };
    Stan RozwiazDualnie();
    Stan RozwiazPrymalnie();

    // After an optimal solve: the LP's value, each column's x, each row's
    // dual (degree rows first) and whether a cut's slack is basic.
    double Wartosc() const;
    std::span<const double> X() const;
    std::span<const double> Dualne() const;
    bool CiecieLuzne(int numer) const;
    // After an infeasible solve: Clp's proof of it, one multiplier a row (its
    // sign convention is Clp's; the caller checks both signs).
    std::vector<double> PromienSprzecznosci() const;

    // Strong branching: the LP's value after at most iteracje dual pivots
    // with the column's bounds changed (+infinity when that is infeasible).
    // The bounds and the basis are put back afterwards.
    double Probuj(int kolumna, double dolna, double gorna, int iteracje);

private:
    Stan stan();
    Stan ponowPoBledzie();
    void wspolczynnikiCiecia(const Ciecie& c, std::vector<int>& kolumny, std::vector<double>& wartosci);

    const WagiKrawedzi& w_;
    std::unique_ptr<ClpSimplex> lp_;
    std::vector<Krawedz> krawedzie_;
    std::vector<int> kolumna_;
    std::vector<std::vector<int>> kolumnyMiasta_;
    std::vector<Ciecie> ciecia_;
    // Scratch for building a cut's row: the pass in which each column was
    // last looked at.
    std::vector<int> odwiedzona_;
    int przebieg_ = 0;
};
