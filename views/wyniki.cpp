#include "wyniki.h"

#include "tabele_tekst.h"

#include <QTimer>

_WYNIKI_::_WYNIKI_(std::function<void()> zglos_brak_modelu)
    : OknoTabeli(nullptr, "Wyniki obliczeń", QSize(300, 400)), zglos_brak_modelu_(std::move(zglos_brak_modelu))
{
}

Rysunek _WYNIKI_::uklad(const tabele::Widok& widok) const { return tabele::tabela_wynikow(widok); }

std::int64_t _WYNIKI_::wysokosc_tresci() const { return tabele::wysokosc_wynikow(); }

bool _WYNIKI_::wypisz(std::FILE* out) const { return wypisz_wyniki(out); }

// The box is shown after the paint, not inside it: closing it makes the window
// need painting again, which must not bring the box back.
void _WYNIKI_::bez_modelu()
{
    if (zgloszono_)
        return;
    zgloszono_ = true;
    QTimer::singleShot(0, this, [this] { zglos_brak_modelu_(); });
}
