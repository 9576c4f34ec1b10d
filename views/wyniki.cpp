#include "wyniki.h"

#include "rozmowa.h"
#include "teksty.h"

#include <QTimer>

_WYNIKI_::_WYNIKI_(std::shared_ptr<_ROZMOWA_> rozmowa)
    : OknoTabeli(nullptr, "Wyniki obliczeń", QSize(300, 400)), rozmowa_(std::move(rozmowa))
{
}

Rysunek _WYNIKI_::uklad(const tabele::Widok& widok) const { return tabele::tabela_wynikow(widok); }

std::int64_t _WYNIKI_::wysokosc_tresci() const { return tabele::wysokosc_wynikow(); }

// The box is shown after the paint, not inside it: closing it makes the window
// need painting again, which must not bring the box back.
void _WYNIKI_::bez_modelu()
{
    if (zgloszono_)
        return;
    zgloszono_ = true;
    QTimer::singleShot(0, this, [this] { rozmowa_->pytanie(teksty::pusty_wyniki, teksty::pusty_wyniki_tytul); });
}
