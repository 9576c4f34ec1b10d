#pragma once

#include "model.h"

#include <cmath>

// What follows from an element's results, evaluated in double from the
// current model's floats (an analysed model, Pusty false). Each value alone,
// for writers that need one of them for every element, and all together.

inline double dlugosc_ze_znakiem(int i) { return double(x[i + 1]) - x[i]; }
inline double wydluzenie(int i) { return double(f[i + 1]) - f[i]; }                  // ΔL = u[i+1] - u[i]
inline double odksztalcenie(int i) { return wydluzenie(i) / dlugosc_ze_znakiem(i); } // ε = ΔL / (x[i+1] - x[i])
inline double odksztalcenie_termiczne(int i) { return double(alp[i]) * dt[i]; }       // ε_T = α·ΔT
inline double sila_osiowa(int i) { return double(stress[i]) * a[i]; }                 // N = σ·A

struct WielkosciElementu {
    double dlugosc;       // L = |x[i+1] - x[i]|
    double sila;          // N = σ·A
    double odksztalcenie; // ε
    double termiczne;     // ε_T
    double mechaniczne;   // ε_m = ε - ε_T
    double wydluzenie;    // ΔL
};

inline WielkosciElementu wielkosci_elementu(int i)
{
    const double eps = odksztalcenie(i), eps_t = odksztalcenie_termiczne(i);
    return {std::fabs(dlugosc_ze_znakiem(i)), sila_osiowa(i), eps, eps_t, eps - eps_t, wydluzenie(i)};
}
