#pragma once

#include <string>

// The two readings of typed numbers, independent of the process locale.

// Leading blanks, an optional sign, then decimal digits up to the first other
// character; no digits read as 0 ("3.7" -> 3, "abc" -> 0). Saturates at the
// int range.
int czytaj_calkowita(const char* tekst);

// Leading blanks, then the longest leading part that is a decimal number:
// optional sign, digits with "." as the point, optional exponent; nothing of
// the kind reads as 0.0 ("2e7" -> 2e7, "inf" -> 0.0). A comma between digits
// is a decimal point, as a Polish user writes it ("1,5" -> 1.5). Magnitudes
// beyond double give infinity, below it zero.
double czytaj_rzeczywista(const char* tekst);

// The text of `wartosc` for a field of `szerokosc` bytes (width - 1
// characters): printf with `format` when that fits and reads back to the same
// float; otherwise the shortest text that fits and reads back (exponent
// notation included), or, when none does, the most precise that fits.
std::string tekst_pola(const char* format, float wartosc, int szerokosc);

// "%d" of n when it fits the field, else the text cut to the field.
std::string tekst_numeru(int n, int szerokosc);
