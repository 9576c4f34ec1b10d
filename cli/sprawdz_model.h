#pragma once

#include "m1d.h"

#include <cstdio>
#include <vector>

// --sprawdz: the check of the current analysed model; its results are judged
// only when its input allows meaningful ones. Answers sukces,
// model_z_usterkami or blad_zapisu.
int sprawdz_model(const std::vector<NaprawionaPodpora>& naprawione, std::FILE* out);
