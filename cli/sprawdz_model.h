#pragma once

#include "m1d.h"

#include <cstdio>
#include <vector>

// --sprawdz: the check of the current model, analysed only when its input
// allows. Answers sukces, model_z_usterkami or blad_zapisu.
int sprawdz_model(const std::vector<NaprawionaPodpora>& naprawione, std::FILE* out);
