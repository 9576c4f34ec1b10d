#pragma once

#include <vector>

// The current model solved again, independently of the analysis: assembled
// and solved in double precision by the tridiagonal (Thomas) algorithm. Only
// the displacements are kept; the rows of the system are assembled again
// from the model wherever they are needed, so the working memory beyond them
// grows with the square root of the model, not with the model.
enum class Wiezy {
    kara,    // the supports as the analysis imposes them: springs of 1e10
    sztywne, // each supported node held exactly at its prescribed value
             // (the mean, when one node has several supports)
};

class Rozwiazanie {
public:
    bool ok = false;                     // false: a pivot was zero or not finite
    std::vector<double> przemieszczenia; // [1..il_wezl]; index 0 unused

    // Element i's stress from the displacements (1..il_elem).
    double naprezenie(int i) const;
    // Support p's reaction (1..il_podpor); several supports of one node share its reaction.
    double reakcja(int p) const;

private:
    friend Rozwiazanie rozwiaz_w_podwojnej(Wiezy wiezy);
    Wiezy wiezy_ = Wiezy::kara;
    std::vector<int> podpory_po_wezlach_; // support indices by node, in index order within a node
};

Rozwiazanie rozwiaz_w_podwojnej(Wiezy wiezy);
