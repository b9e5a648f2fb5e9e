#pragma once

#include "search/permutacje/ZbiorMiast.h"

#include <vector>

class PamiecPoddrzew;
class RelaksacjaLagrange;

// The Lagrangian bound on the completion of the route: from the city just
// placed through every city left and back to city 0. Each child starts from
// its parent's penalties, so a few steps of the ascent suffice deeper down.
// Up to kNajwiecejMiastWZbiorze cities: the memory of subtrees names them by
// their set of cities left.
struct GraniceLagrange {
    int n;
    RelaksacjaLagrange* krotsza;  // null when the shortest is not sought
    RelaksacjaLagrange* dluzsza;  // null when the longest is not sought
    double* karyKrotszej;         // (n + 1) levels of n penalties
    double* karyDluzszej;
    double zapasDolny;
    double zapasGorny;
    double krokSum;
    double progKrotszej;
    double progDluzszej;
    unsigned char* uzyte;    // the walk's own flags of placed cities
    PamiecPoddrzew* pamiec;  // or null
    ZbiorMiast wolne = WszystkieMiasta(n);
    std::vector<int> wezly = std::vector<int>(std::size_t(n));
    std::vector<double> kandydatKrotszej = std::vector<double>(std::size_t(n));
    std::vector<double> kandydatDluzszej = std::vector<double>(std::size_t(n));
    int poziom = 0;

    static constexpr int kIteracjePierwszego = 120;
    static constexpr int kIteracje = 12;
    // The bound on the longest completion gains more from a longer ascent:
    // on random cities its walk takes about half the time with it.
    static constexpr int kIteracjeDluzszej = 40;

    void zajmij(int c);
    void zwolnij(int c, float p);
    bool bezZmian(float p, int c, float najkrotsza, float najdluzsza);

private:
    // A bound on a sum of whole steps may be raised to the next step.
    double naSiatke(double w) const;
    bool krotszaMozliwa(float p, int k, int iteracje, float najkrotsza);
    bool dluzszaMozliwa(float p, int k, int iteracje, float najdluzsza);
};
