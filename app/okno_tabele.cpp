#include "okno.h"

#include "dane.h"
#include "model.h"
#include "teksty.h"
#include "wyniki.h"

// Every use opens a new window; the member refers to the newest.
void _OKNO_::Cm_Wyniki()
{
    if (Pusty)
        return;
    iw = true;
    oo = new _WYNIKI_([rozmowa = rozmowa_] { rozmowa->pytanie(teksty::pusty_wyniki, teksty::pusty_wyniki_tytul); });
    oo->show();
}

void _OKNO_::Cm_Dane()
{
    if (Pusty)
        return;
    id = true;
    dd = new _DANE_(
        this, [this](tabele::WierszDanych wiersz) { edytuj_wiersz(wiersz); },
        [this](tabele::WierszDanych wiersz, QPoint gdzie) { menu_wiersza(wiersz, gdzie); });
    dd->show();
}

// One diagrams window: asked again, it comes to the front.
void _OKNO_::Cm_Wykresy()
{
    if (Pusty)
        return;
    if (!wykresy_)
        wykresy_ = new OknoWykresow(this);
    wykresy_->show();
    wykresy_->raise();
    wykresy_->activateWindow();
}

// Closes the newest results window, then the newest data window. A window
// the user has already closed is gone and needs nothing.
void _OKNO_::zamknij_tabele()
{
    if (iw) {
        if (oo)
            oo->close();
        iw = false;
    }
    if (id) {
        if (dd)
            dd->close();
        id = false;
    }
}
