#pragma once

#include <vector>

// The nodes of the held model (Pusty false) that have a spring (k != 0), in
// order. Worked out once per model and edit, so that the tables of a large
// model paint only the rows they show; the user-interface thread's.
const std::vector<int>& wezly_ze_sprezynami();
