#pragma once

#include "model.h"

#include <algorithm>
#include <numeric>
#include <vector>

// The current model's support numbers ordered by their node, in index order
// within a node: the order in which the assembly adds each node's penalties.
inline std::vector<int> podpory_po_wezlach()
{
    std::vector<int> p(static_cast<std::size_t>(il_podpor));
    std::iota(p.begin(), p.end(), 1);
    std::stable_sort(p.begin(), p.end(), [](int a, int b) { return nu[a] < nu[b]; });
    return p;
}
