// Changing the held model in place: the section from a click on the bar, any
// item from a double-click in the data window, and undoing and redoing them.

#include "okno.h"

#include "edycja.h"
#include "krok_edycji.h"
#include "pola_rekordu.h"
#include "model.h"
#include "obciazenia.h"
#include "teksty.h"
#include "wlacznik.h"

#include <QApplication>
#include <QCursor>

// "Anuluj" changes nothing; the caller redraws.
void _OKNO_::zmien_p(int n)
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    zamknij_tabele();
    if (std::optional<Zmiana> z = edytuj_element(*rozmowa_, danep, n))
        wprowadz(std::move(*z));
}

void _OKNO_::edytuj_wiersz(tabele::WierszDanych wiersz)
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    std::optional<Zmiana> z;
    switch (wiersz.blok) {
    case tabele::WierszDanych::Blok::element: z = edytuj_element(*rozmowa_, danep, wiersz.numer); break;
    case tabele::WierszDanych::Blok::wezel: z = edytuj_wezel(*rozmowa_, danew, danes, wiersz.numer); break;
    case tabele::WierszDanych::Blok::podpora: z = edytuj_podpore(*rozmowa_, danewy, wiersz.numer); break;
    case tabele::WierszDanych::Blok::obciazenie:
        z = edytuj_obciazenie_ciagle(*rozmowa_, daneq, wiersz.numer, wiersz.numer);
        break;
    case tabele::WierszDanych::Blok::sprezyna:
        z = edytuj_sprezyne(*rozmowa_, danek, wiersz.numer, true);
        break;
    }
    if (z)
        wprowadz(std::move(*z));
}

// "&Edycja": what M1D files cannot hold, on the whole bar or any node.
void _OKNO_::Cm_ObciazenieCiagle()
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    if (std::optional<Zmiana> z = edytuj_obciazenie_ciagle(*rozmowa_, daneq, 1, il_elem))
        wprowadz(std::move(*z));
}

void _OKNO_::Cm_CiezarWlasny()
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    if (std::optional<Zmiana> z = edytuj_ciezar_wlasny(*rozmowa_, daneg))
        wprowadz(std::move(*z));
}

// Offered at the node last asked for, at first the bar's last node.
void _OKNO_::Cm_Sprezyna()
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    const int ostatni = calkowita(danek.i);
    const int j = ostatni >= 1 && ostatni <= il_wezl ? ostatni : il_wezl;
    if (std::optional<Zmiana> z = edytuj_sprezyne(*rozmowa_, danek, j, false))
        wprowadz(std::move(*z));
}

// An accepted dialog analyses again, as the section edit always has; only a
// change of the model becomes a step to undo.
void _OKNO_::wprowadz(Zmiana zmiana)
{
    if (!zmiana.pasuje()) {
        rozmowa_->komunikat(teksty::zmiana_odrzucona, teksty::uwaga, _ROZMOWA_::Ikona::wykrzyknik);
        return;
    }
    if (zmiana.pusta()) {
        po_edycji();
        return;
    }
    historia_.push(new KrokEdycji(std::move(zmiana), [this] { po_edycji(); }, [this] {
        rozmowa_->komunikat(teksty::zmiana_odrzucona, teksty::uwaga, _ROZMOWA_::Ikona::wykrzyknik);
    }));
}

void _OKNO_::po_edycji()
{
    przelicz();
    // The read-out under the pointer follows the new scale at once.
    if (underMouse()) {
        repaint();
        EvMouseMove(mapFromGlobal(QCursor::pos()));
    }
    update();
}

// Not while a dialog is open on the model.
void _OKNO_::Cm_Cofnij()
{
    if (!Pusty && !QApplication::activeModalWidget())
        historia_.undo();
}

void _OKNO_::Cm_Ponow()
{
    if (!Pusty && !QApplication::activeModalWidget())
        historia_.redo();
}

void _OKNO_::Ce_Cofnij(Wlacznik& w) { w.enable(historia_.canUndo()); }

void _OKNO_::Ce_Ponow(Wlacznik& w) { w.enable(historia_.canRedo()); }
