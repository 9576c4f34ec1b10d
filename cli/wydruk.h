#pragma once

#include "tabele_tekst.h"

struct Bilans;

// Text forms of the current model (Pusty false) for zenta-oblicz, written row
// by row to `s`. Each answers false when writing failed.

// {"il_elem":..,"il_wezl":..,"il_podpor":..,"il_obciaz":..,"f":[..],"stress":[..],"react":[..],
//  "L":[..],"N":[..],"eps":[..],"eps_T":[..],"eps_m":[..],"dL":[..]} and "bilans":{..} when given;
// every float with 9 significant digits (reads back bit for bit), null where not finite.
// With distributed loads also "q", "sigma_pocz" and "sigma_kon" (the exact
// stress at each element's ends), "u_ekstr" and "x_ekstr" (its largest
// displacement and where); with springs "sprezyny":[{"wezel":..,"k":..,"sila":..}].
bool wypisz_json(Strumien& s, const Bilans* bilans = nullptr);

// The three result blocks as CSV, separated by an empty line; the element
// block also has the derived values (and those of distributed loads), a
// block of springs follows the reactions, the verification's blocks follow
// when given.
bool wypisz_csv(Strumien& s, const Bilans* bilans = nullptr);

// Per element: stress, length, axial force, strains and elongation.
bool wypisz_szczegoly(Strumien& s);
