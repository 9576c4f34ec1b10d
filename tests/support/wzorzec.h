#pragma once

#include "model.h"

// The analysis written as the general banded loops (any half-bandwidth, with
// nbk, i1, j1, j2), on a bundle of arrays rather than the globals. The
// production analysis must agree with it bit for bit.
void macierze_wzorcowe(Tablice& t, float& kara);
void oblicz_wzorcowe(Tablice& t, float kara);
