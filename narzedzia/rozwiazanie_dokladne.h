#pragma once

#include <vector>

// The current model solved again, independently of the analysis: assembled
// and solved in double precision by the tridiagonal (Thomas) algorithm.
enum class Wiezy {
    kara,    // the supports as the analysis imposes them: springs of 1e10
    sztywne, // each supported node held exactly at its prescribed value
             // (the mean, when one node has several supports)
};

struct Rozwiazanie {
    bool ok = false;                     // false: a pivot was zero or not finite
    std::vector<double> przemieszczenia; // [1..il_wezl]; index 0 unused
    std::vector<double> naprezenia;      // [1..il_elem]
    std::vector<double> reakcje;         // [1..il_podpor], a node's reaction shared by its supports
};

Rozwiazanie rozwiaz_w_podwojnej(Wiezy wiezy);
