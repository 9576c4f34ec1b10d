#pragma once

#include <cstdio>

// Text forms of the current model (Pusty false) for zenta-oblicz, written row
// by row to `out`. Each answers false when writing failed.

// The results as the results window lists them, one row per line, cells
// separated by a tab.
bool wypisz_wyniki(std::FILE* out);

// The input data as the data window lists them.
bool wypisz_dane(std::FILE* out);

// {"il_elem":..,"il_wezl":..,"il_podpor":..,"il_obciaz":..,"f":[..],"stress":[..],"react":[..]};
// every float with 9 significant digits (reads back bit for bit), null where not finite.
bool wypisz_json(std::FILE* out);

// The three result blocks as CSV, separated by an empty line.
bool wypisz_csv(std::FILE* out);
