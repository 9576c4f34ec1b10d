#pragma once

#include "model.h"
#include "rekordy.h"

#include <optional>

class _ROZMOWA_;

// The transfer records of the five dialogs (members of the main view); they
// keep their last texts between showings.
struct RekordyDialogow {
    d_dane_pods& dane;
    d_dane_przek& danep;
    d_wsp& danew;
    d_wymusz& danewy;
    d_sily& danes;
};

// The new-model wizard: the three counts (dialog 3000), then a dialog per
// element (3010), node (3020), support (3030) and force (3040). Invalid input
// shows the same dialog again, the refused field focused; invalid counts end
// the wizard silently. The new model's arrays, filled but not analysed and
// owned by the caller; nothing after "Anuluj" in any dialog or invalid
// counts. No global is touched: the model held before stays until the caller
// replaces it.
std::optional<Tablice> kreator(_ROZMOWA_& rozmowa, const RekordyDialogow& rekordy);
