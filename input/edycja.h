#pragma once

#include "rekordy.h"
#include "zmiana.h"

#include <optional>

class _ROZMOWA_;

// One item of the held model (Pusty false) changed in place: the dialog of
// the new-model wizard that asked for it, filled with its values, with the
// wizard's rules for what may be stored and its refusal (the dialog again,
// the refused field selected). A text left as offered keeps its value exactly,
// and a value kept as it was is always accepted. The result is the edit, not
// yet made (empty when nothing would change), or nothing on "Anuluj", which in
// any of the dialogs changes nothing. The edit belongs to the model held when
// it began: should that model be replaced while a dialog is open, the result
// is an edit that no longer fits (Zmiana::pasuje false), never applied.

// Element n: its section, dialog 3010, as a click on the bar edits it.
std::optional<Zmiana> edytuj_element(_ROZMOWA_& rozmowa, d_dane_przek& danep, int n);

// Node j: its coordinate (dialog 3020; at least 0, and on the same side of
// each neighbour as before, so the bar keeps its order whichever way its
// coordinates run), then its force (dialog 3040, the node number fixed). A
// changed force makes il_obciaz the number of loaded nodes, at least 1 (a
// file must have one).
std::optional<Zmiana> edytuj_wezel(_ROZMOWA_& rozmowa, d_wsp& danew, d_sily& danes, int j);

// Support k: its node (1..il_wezl) and prescribed displacement (at least 0),
// dialog 3030. A node field left as offered keeps the node exactly.
std::optional<Zmiana> edytuj_podpore(_ROZMOWA_& rozmowa, d_wymusz& danewy, int k);

// What "Anuluj" or a model gone from under the dialog leaves: nothing, or
// the void edit that says so.
inline std::optional<Zmiana> przerwana(Zmiana z)
{
    if (z.pasuje())
        return std::nullopt;
    return z;
}
