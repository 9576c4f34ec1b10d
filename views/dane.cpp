#include "dane.h"

#include "model.h"
#include "tabele_tekst.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

_DANE_::_DANE_(QWidget* okno, Edycja edycja, Menu menu)
    : OknoTabeli(okno, "Dane do obliczeń", QSize(450, 400)), edycja_(std::move(edycja)), menu_(std::move(menu))
{
}

Rysunek _DANE_::uklad(const tabele::Widok& widok) const { return tabele::tabela_danych(widok); }

std::int64_t _DANE_::wysokosc_tresci() const { return tabele::wysokosc_danych(); }

bool _DANE_::wypisz(std::FILE* out) const { return wypisz_dane(out); }

// The viewport's events come here in its coordinates.
void _DANE_::mouseDoubleClickEvent(QMouseEvent* zdarzenie)
{
    if (Pusty || !edycja_ || zdarzenie->button() != Qt::LeftButton)
        return;
    if (const auto wiersz = tabele::wiersz_danych(widok().y + zdarzenie->position().toPoint().y()))
        edycja_(*wiersz);
}

void _DANE_::contextMenuEvent(QContextMenuEvent* zdarzenie)
{
    if (Pusty || !menu_)
        return;
    if (const auto wiersz = tabele::wiersz_danych(widok().y + zdarzenie->pos().y()))
        menu_(*wiersz, zdarzenie->globalPos());
}
