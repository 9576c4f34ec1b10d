#pragma once

#include <optional>

// The one bar model of the process. Element i joins node i and node i + 1;
// every array is 1-based and index 0 is never used. While Pusty is true no
// array exists and none may be touched (the counts may hold stale values).

extern int il_elem;   // elements, >= 1
extern int il_wezl;   // nodes, always il_elem + 1
extern int il_podpor; // supports (nodes with a prescribed displacement), >= 1; 0 with springs
extern int il_obciaz; // nodal forces entered, >= 1

extern float* x;      // [1..il_wezl] node coordinates
extern float* a;      // [1..il_elem] cross-section areas
extern float* e;      // [1..il_elem] Young's moduli
extern int* nu;       // [1..il_podpor] node of each support, 1..il_wezl
extern float* u;      // [1..il_podpor] prescribed displacement of each support
extern float* dt;     // [1..il_elem] temperature changes
extern float** s;     // [1..il_wezl][1..2] band: diagonal, coupling with the next node
extern float* f;      // [1..il_wezl] load vector after assembly, displacements after solving
extern float* si;     // [1..il_wezl] nodal forces as entered
extern float* alp;    // [1..il_elem] thermal expansion coefficients
extern float* stress; // [1..il_elem] element stresses (result)
extern float* react;  // [1..il_podpor] support reactions (result)

// Beside the model's own arrays, what M1D files cannot hold. Null while the
// model has none (every value 0); allocated and released with the model.
extern float* qx; // [1..il_elem] distributed axial load of each element, force per length, + along x
extern float* ks; // [1..il_wezl] stiffness of the elastic support (spring) at each node, >= 0

inline float obciazenie_ciagle(int i) { return qx ? qx[i] : 0.0f; }
inline float sztywnosc_sprezyny(int j) { return ks ? ks[j] : 0.0f; }
// The force of node j's spring on the node, -k·u, in double from the floats;
// 0.0 - so that a spring whose node does not move carries 0, not -0.
inline double sila_sprezyny(int j) { return 0.0 - double(sztywnosc_sprezyny(j)) * f[j]; }
// Whether a node other than j (0: any node) has a spring.
inline bool sprezyna_poza_wezlem(int j)
{
    for (int w = 1; ks && w <= il_wezl; ++w)
        if (w != j && ks[w] != 0.0f)
            return true;
    return false;
}

extern float cnst; // penalty constant, set by every assembly
extern float sx;   // drawing scale, pixels per unit of x
extern float x0;   // x coordinate drawn at the left end of the bar
extern bool Pusty; // true while no model is held

// Counts the models made current, so that what is derived from one model can
// tell when it is stale.
extern int pokolenie_modelu;

// A complete set of model arrays with its counts, held apart from the globals
// so a model can be built (e.g. read from a file) before it replaces the
// current one.
struct Tablice {
    int il_elem = 0, il_wezl = 0, il_podpor = 0, il_obciaz = 0;
    float *x = nullptr, *a = nullptr, *e = nullptr;
    int* nu = nullptr;
    float *u = nullptr, *dt = nullptr;
    float** s = nullptr;
    float *f = nullptr, *si = nullptr, *alp = nullptr, *stress = nullptr, *react = nullptr;
    float *qx = nullptr, *ks = nullptr; // null: none

    float q(int i) const { return qx ? qx[i] : 0.0f; }
    float k(int j) const { return ks ? ks[j] : 0.0f; }
};

// Allocates the twelve arrays for the given counts (each >= 1, il_podpor >= 0, il_elem below
// INT_MAX), uninitialised. alp and stress get il_wezl cells; react gets
// max(il_wezl, il_podpor) so that every support has its reaction cell.
Tablice utworz_tablice(int il_elem, int il_podpor, int il_obciaz);

// The same, or nothing (and nothing held) when the memory cannot be had, where
// utworz_tablice ends the process: for a model that may be refused while the
// one held stays.
std::optional<Tablice> sprobuj_utworzyc_tablice(int il_elem, int il_podpor, int il_obciaz);

// Gives `t` its distributed loads or its springs, all 0, when it has none;
// false when the memory cannot be had (nothing changes then).
bool dodaj_obciazenia_ciagle(Tablice& t);
bool dodaj_sprezyny(Tablice& t);

// Releases what utworz_tablice made, in allocation order, and the loads and
// springs; leaves t empty.
void zwolnij_tablice(Tablice& t);

// Makes t the current model: counts and array pointers go to the globals.
// Pusty is not touched: it is cleared by whoever has analysed the model.
void zainstaluj_tablice(const Tablice& t);
// The same for the held model made anew with another structure: it stays the
// same model (pokolenie_modelu is kept).
void podmien_tablice(const Tablice& t);

// The globals as a bundle (valid only while Pusty is false).
Tablice biezace_tablice();

enum class Zwolnienie { zwolniono, brak_modelu, zle_liczniki };

// The releasing half of Zwol_pam: releases the current model and sets Pusty,
// or reports why nothing was released.
Zwolnienie zwolnij_model();
