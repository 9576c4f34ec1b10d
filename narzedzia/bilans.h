#pragma once

#include "rozwiazanie_dokladne.h"

#include <string>
#include <vector>

// How far the results of the current analysed model are from an independent
// double-precision solution with the supports held exactly, and where that
// difference comes from: the penalty springs or single-precision storage.

// The largest difference of one quantity over its items.
struct Roznica {
    double wzgledna = 0;      // |ZENTA - reference| / largest |reference|; the absolute one when that is 0
    bool bezwzgledna = false; // every reference value was 0
    int gdzie = 0;            // item with the largest difference (1-based), 0 when there are none
    double zenta = 0, wzorzec = 0;
};

struct Roznice {
    Roznica przemieszczenia, naprezenia, reakcje;
};

struct Bilans {
    // Equilibrium of the whole bar: Σ forces + Σ q·L + Σ reactions + Σ spring
    // forces (the thermal loads of an element cancel over the bar, so they
    // have no sum to show).
    double suma_sil = 0, suma_reakcji = 0;
    double suma_obciazen_ciaglych = 0, suma_sil_sprezyn = 0;
    double residuum = 0, residuum_wzgledne = 0;
    // Equilibrium node by node, of the equations the analysis solved: the
    // elements' elastic forces from the displacements against the node's
    // force, thermal loads and reactions. The worst node and its residual,
    // relative to the largest term of any node's equation.
    double residuum_wezla = 0, residuum_wezla_wzgledne = 0;
    int wezel = 0;

    bool rozwiazano = false; // false when the reference system was singular
    Roznice calkowite;       // ZENTA against the exact supports
    Roznice od_kary;         // penalised double solution against the exact one
    Roznice od_precyzji;     // ZENTA against the penalised double solution
};

Bilans policz_bilans();
// The same with the model's penalised double solution already found.
Bilans policz_bilans(const Rozwiazanie& z_kara);

// The verification as Polish text lines.
std::vector<std::string> opisz_bilans(const Bilans& b);
