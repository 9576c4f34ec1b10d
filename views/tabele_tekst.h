#pragma once

#include "strumien.h"

#include <cstdio>

// The data and results tables of the current model (Pusty false) as text:
// the windows' cells in their formats, one row a line, cells separated by a
// tab, the three blocks by an empty line. zenta-oblicz prints them; the
// windows copy them for a spreadsheet. False when writing failed.
bool wypisz_wyniki(Strumien& s);
bool wypisz_dane(Strumien& s);
bool wypisz_wyniki(std::FILE* out);
bool wypisz_dane(std::FILE* out);
