#pragma once

#include <functional>

// The penalty: the stiffness of the spring that holds each support. Stiff
// enough to hold a support, small enough for float pivots to stay usable.
inline constexpr float kara = 1.0e10f;

// Assembly: builds the band s, the load vector f and cnst from the current
// model (forces, thermal loads, distributed loads as consistent nodal loads
// q·L/2, springs on the diagonal, supports by penalty). Needs the arrays of a
// complete model; Pusty is not tested. A model without distributed loads and
// springs is assembled exactly as one that cannot have them.
void Macierze();

// Solution of the assembled system: f becomes the nodal displacements,
// stress[1..il_elem] and react[1..il_podpor] are filled, s is consumed.
// `postep`, when given, is told 1 before the elimination and 50 before the
// back substitution.
void Oblicz(const std::function<void(int)>& postep = {});

