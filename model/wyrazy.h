#pragma once

// Formulas of the assembly and of one elimination step. Each is evaluated in
// double from float operands and rounded to float where it is stored. The
// check (narzedzia/) follows them too, to find where a model leaves the range
// of float.

#include "analiza.h"

#include <cmath>

struct WyrazyElementu {
    float eal; // axial stiffness E·A/L
    float tl;  // thermal nodal force E·A·α·ΔT, signed by the element's direction
};

inline WyrazyElementu wyrazy_elementu(float x1, float x2, float e, float a, float alp, float dt)
{
    const float x21 = float(double(x2) - x1);            // signed length
    const float el = float(std::fabs(double(x21)));      // length
    return {float(double(e) * a / el),                   // E·A/L
            float(double(e) * alp * dt * a * el / x21)}; // E·A·α·ΔT
}

// A node's diagonal, starting from zero: its left element's E·A/L, then its
// right element's (the order of an element-by-element scatter).
inline float przekatna(float eal_lewy, float eal_prawy)
{
    return float(double(float(0.0 + double(eal_lewy))) + eal_prawy);
}

// A node's load: its force, plus its left element's thermal force, minus its right one's.
inline float obciazenie(float sila, float tl_lewy, float tl_prawy)
{
    return float(double(float(double(sila) + tl_lewy)) - tl_prawy);
}

// The coupling term s[j][2] of node j with node j + 1.
inline float sprzezenie(float eal) { return float(0.0 - double(eal)); }

// Half of an element's distributed load, q·L/2: the consistent load it puts
// on each of its nodes (L as the stiffness takes it).
inline float pol_obciazenia(float x1, float x2, float q)
{
    const float el = float(std::fabs(double(float(double(x2) - x1))));
    return float(double(q) * el / 2.0);
}

// A term added only where it is not zero, so that what has none keeps every bit (-0 stays -0).
inline float dodaj_wyraz(float v, float wyraz) { return wyraz != 0.0f ? float(double(v) + wyraz) : v; }

// A support's penalty spring on its node's diagonal and load.
inline void dodaj_kare(float& s1, float& fj, float przemieszczenie)
{
    s1 = float(double(s1) + kara);
    fj = float(double(fj) + double(kara) * przemieszczenie);
}

// The elimination factor c = s[k][2] / s[k][1] of pivot row k.
inline float wspolczynnik_eliminacji(float sprzezenie, float wiodacy)
{
    return float(double(sprzezenie) / wiodacy);
}

// A term of row k + 1 less c times the term of row k below which it stands.
inline float po_eliminacji(float wyraz, float c, float wyraz_wiodacy)
{
    return float(double(wyraz) - double(c) * wyraz_wiodacy);
}
