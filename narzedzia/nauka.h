#pragma once

#include "strumien.h"

// For teaching: the analysis of the current model shown step by step as an
// HTML fragment: each element's stiffness matrix and thermal load vector, the
// assembled band before and after the penalty terms, every step of the
// elimination and of the back substitution, then stresses and reactions. The
// numbers are the ones the analysis computes, rounded to float as it rounds them.
void opisz_krok_po_kroku(Strumien& o);

// Models up to this many elements get the section (more would not be read).
inline constexpr int najwiecej_elementow_nauki = 20;
