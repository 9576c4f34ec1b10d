#include "dane.h"

#include "tabele_tekst.h"

_DANE_::_DANE_(QWidget* okno) : OknoTabeli(okno, "Dane do obliczeń", QSize(450, 400)) {}

Rysunek _DANE_::uklad(const tabele::Widok& widok) const { return tabele::tabela_danych(widok); }

std::int64_t _DANE_::wysokosc_tresci() const { return tabele::wysokosc_danych(); }

bool _DANE_::wypisz(std::FILE* out) const { return wypisz_dane(out); }
