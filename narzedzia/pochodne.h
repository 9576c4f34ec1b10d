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

// Inside an element under a distributed load q the exact solution is known:
// N and σ run linearly, N(t) = N + q·(x[i+1] - x[i])·(1/2 - t) about the
// element's value N = σ·A (the mean of the exact line), and u is the nodal
// interpolation plus q·L²·t·(1 - t)/(2·E·A); t runs from 0 at node i to 1 at
// node i + 1. Without q these are the element's constant values and the
// straight line between its nodes.
inline double sila_w(int i, double t)
{
    return sila_osiowa(i) + double(obciazenie_ciagle(i)) * dlugosc_ze_znakiem(i) * (0.5 - t);
}
inline double naprezenie_w(int i, double t) { return sila_w(i, t) / a[i]; }
inline double przemieszczenie_w(int i, double t)
{
    const double l = dlugosc_ze_znakiem(i);
    const double babel = double(obciazenie_ciagle(i)) * l * l * t * (1 - t) / (2.0 * double(e[i]) * a[i]);
    return double(f[i]) + wydluzenie(i) * t + babel;
}

// The element's largest |u|: where u stands still inside it, when it does,
// otherwise the end where |u| is larger.
struct Ekstremum {
    double t, x, u;
};
inline Ekstremum ekstremum_przemieszczenia(int i)
{
    const double q = obciazenie_ciagle(i), l = dlugosc_ze_znakiem(i);
    const auto w = [i, l](double t) { return Ekstremum{t, double(x[i]) + t * l, przemieszczenie_w(i, t)}; };
    if (q != 0) {
        const double t = 0.5 + double(e[i]) * a[i] * wydluzenie(i) / (q * l * l);
        if (t > 0 && t < 1)
            return w(t);
    }
    return std::fabs(double(f[i + 1])) > std::fabs(double(f[i])) ? w(1) : w(0);
}

