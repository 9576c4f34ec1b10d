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
// any of the dialogs changes nothing.

// Element n: its section, dialog 3010, as a click on the bar edits it.
std::optional<Zmiana> edytuj_element(_ROZMOWA_& rozmowa, d_dane_przek& danep, int n);

// Node j: its coordinate (dialog 3020; at least 0, between its neighbours'),
// then its force (dialog 3040, the node number fixed). il_obciaz counts the
// loaded nodes as the wizard's forces do: one more when an unloaded node gets
// a force, one fewer when a force becomes 0, never below 1 (a file must have
// one).
std::optional<Zmiana> edytuj_wezel(_ROZMOWA_& rozmowa, d_wsp& danew, d_sily& danes, int j);

// Support k: its node (1..il_wezl) and prescribed displacement (at least 0), dialog 3030.
std::optional<Zmiana> edytuj_podpore(_ROZMOWA_& rozmowa, d_wymusz& danewy, int k);
