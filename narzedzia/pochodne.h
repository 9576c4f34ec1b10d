#pragma once

// What follows from an element's results, evaluated in double from the
// current model's floats (an analysed model, Pusty false).
struct WielkosciElementu {
    double dlugosc;       // L = |x[i+1] - x[i]|
    double sila;          // N = σ·A
    double odksztalcenie; // ε = ΔL / (x[i+1] - x[i])
    double termiczne;     // ε_T = α·ΔT
    double mechaniczne;   // ε_m = ε - ε_T
    double wydluzenie;    // ΔL = u[i+1] - u[i]
};

WielkosciElementu wielkosci_elementu(int i);
