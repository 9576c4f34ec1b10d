#pragma once

#include "m1d.h"
#include "strumien.h"

#include <span>
#include <string>

// One self-contained HTML page about the analysed current model: the check,
// the picture, input and results tables, diagrams, the verification and, for
// small models, the analysis step by step. Pictures are inline SVG; the page
// needs nothing else. `zmieniony`: the model has been changed since it was
// read from the file `nazwa_modelu` names, and the page says so. False when
// writing failed.
bool zapisz_raport(Strumien& o, const std::string& nazwa_modelu,
                   std::span<const NaprawionaPodpora> naprawione, bool zmieniony = false);

// Tables longer than this show their first rows and say how many there are.
inline constexpr int najwiecej_wierszy_raportu = 1000;
