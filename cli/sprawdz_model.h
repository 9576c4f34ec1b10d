#pragma once

#include "m1d.h"
#include "strumien.h"

#include <vector>

// --sprawdz: the check of the current analysed model; its results are judged
// only when its input allows meaningful ones. Answers sukces or
// model_z_usterkami.
int sprawdz_model(const std::vector<NaprawionaPodpora>& naprawione, Strumien& s);
