#pragma once

#include "sprawdzenie.h"

#include <vector>

// Where the analysis of the current model leaves the range of float (about
// ±3.4e38), found by following its arithmetic bit for bit, as errors of the
// check that name the element, node or support.

// In the input, before any solution: an element whose E·A/L or thermal force
// is no finite float (or whose E·A/L rounds to zero), a node whose summed
// stiffness or load is none. Elements of zero length or E·A = 0 are left to
// their own errors.
void sprawdz_zakres_danych(std::vector<Uwaga>& uwagi);

// Why the results of the analysed model are not all finite: the node whose
// pivot float lost, the node whose load the elimination pushed beyond range,
// or the first displacement, stress or reaction beyond it. Nothing when all
// results are finite.
void sprawdz_zakres_wynikow(std::vector<Uwaga>& uwagi);
