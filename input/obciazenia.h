#pragma once

#include "rekordy.h"
#include "zmiana.h"

#include <optional>

class _ROZMOWA_;

// What M1D files cannot hold, changed in the held model (Pusty false) as the
// data window changes its items: a dialog in the wizard's style until what
// was typed may be stored, the refused field focused again. The result is the
// edit, not yet made (empty when nothing would change), or nothing on
// "Anuluj"; an edit whose model was replaced meanwhile no longer fits
// (Zmiana::pasuje false).

// A distributed load q on elements pierwszy..ostatni (dialog 3050, offered
// with that range and q of its first element, q focused for one element): a
// range of the bar's elements, first to last, and q any float (0 takes the
// load off).
std::optional<Zmiana> edytuj_obciazenie_ciagle(_ROZMOWA_& rozmowa, d_obc_ciagle& dane, int pierwszy,
                                               int ostatni);

// Self-weight (dialog 3060): a weight density γ > 0 and the way it acts, "+x"
// or "-x"; every element gets q = ±γ·A of its area, in place of the q it had.
// The record keeps the last γ typed; γ·A beyond a float is refused with a box
// naming the element.
std::optional<Zmiana> edytuj_ciezar_wlasny(_ROZMOWA_& rozmowa, d_ciezar& dane);

// The spring of node j (dialog 3070): k >= 0 at a node of the bar, j or,
// unless `staly_wezel`, one typed; 0 takes the spring off, except the last of
// a bar without supports, which would hold it no more (a box says so).
std::optional<Zmiana> edytuj_sprezyne(_ROZMOWA_& rozmowa, d_sprezyna& dane, int j, bool staly_wezel);

// γ·A of element %1 is beyond what a float holds.
inline constexpr const char* ciezar_poza_zakresem =
    "Obciążenie q = γ·A elementu %1 przekracza zakres liczb pojedynczej precyzji (do 3.4e+38): "
    "podaj mniejszy ciężar właściwy.";

inline constexpr const char* ostatnia_sprezyna =
    "Pręt nie ma podpór i trzyma się tylko na sprężynach: ostatniej nie można usunąć.";
