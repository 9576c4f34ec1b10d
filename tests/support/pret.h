#pragma once

#include "m1d.h"
#include "model.h"
#include "strumien.h"

#include <cstddef>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

// A bar described by plain vectors, 0-based here; the model's arrays are 1-based.
struct OpisPreta {
    std::vector<float> x;                         // node coordinates
    std::vector<float> a, e, alp, dt;             // per element
    std::vector<float> si;                        // per node, empty: no forces
    std::vector<std::pair<int, float>> podpory;   // (node, prescribed displacement)
    int il_obciaz = 1;
    std::vector<float> q, k;                      // distributed loads, springs; empty: none
};

// Fresh arrays filled from the description (f = si, results zeroed).
Tablice zbuduj_tablice(const OpisPreta& opis);

// Makes the description the current model (Pusty false), releasing any other.
void ustaw_model(const OpisPreta& opis);

// Releases the current model, if any.
void usun_model();

// A uniform bar of n elements: x = 0..n, A = 1, E = 100, no heat, fixed at node 1, force 10 at the end.
OpisPreta pret_jednorodny(int n);

// Nodes at 0, 1, 3; areas 1 and 2; E = 100; fixed at node 1; force 10 at node 3
// (stresses 10 and 5, displacements 0, 0.1, 0.2, reaction -10).
OpisPreta pret_dwuelementowy();

// One element of length 1, E = 200000, A = 1, α = 0.001, ΔT = 1, held at both
// ends: E·α·ΔT = 200, the analysis gives -199.99 (the penalty springs give).
OpisPreta pret_ogrzany_miedzy_scianami();

// Writes the bar as an M1D file; false when it could not.
bool zapisz_plik_modelu(const OpisPreta& opis, const std::string& sciezka);

// A random well-posed bar: increasing coordinates, positive E·A, heat, forces,
// a support every `co_ile_podpora` nodes and at node 1.
OpisPreta pret_losowy(int n, int co_ile_podpora, std::mt19937& los);

// What the writers give, collected in memory: an M1D file's bytes, a text
// model's text, or whatever goes to an Ujscie.
std::vector<std::byte> bajty_m1d(const Tablice& t);
std::string tekst_modelu(const Tablice& t, std::span<const NaprawionaPodpora> naprawione = {});
Ujscie do_napisu(std::string& cel);
