// The two ways the user types a model in: the new-model wizard and the edit
// of one element's section.

#include "okno.h"

#include "kreator.h"
#include "model.h"
#include "przekroj.h"
#include "teksty.h"

// The model held before stays until the wizard's last dialog is accepted.
// Unsaved edits get the question whether to save them instead of the usual one.
void _OKNO_::Cm_Nowy()
{
    if (ma_niezapisane_zmiany() ? !mozna_porzucic_zmiany()
                                : !Pusty && !rozmowa_->pytanie(teksty::utworzyc_nowe, teksty::tytul_programu))
        return;
    zamknij_tabele();
    update();
    if (std::optional<Tablice> nowy = kreator(*rozmowa_, rekordy()))
        zastap_model(*nowy);
    update();
}
