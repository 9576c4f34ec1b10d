#pragma once

#include <string>

// The pointer read-out and element picking: pixel column to bar coordinate
// with the scale of the last drawing, and the element under it.

// Bar coordinate of pixel column `kolumna`: (kolumna - 25) / sx + x0.
float wspolrzedna(int kolumna);
// The same rule for another picture: (kolumna - lewy) / skala + poczatek, in float.
float wspolrzedna(int kolumna, int lewy, float skala, float poczatek);

// "x=%5.2f" of wx, or "x=" left of coordinate 0 (and for no number at all).
// A text longer than `najwiecej` characters gives way to the most precise
// exponent form that fits, so that a read-out never shows a number cut.
std::string tekst_wspolrzednej(float wx, std::size_t najwiecej = std::string::npos);

// The element whose interval [x[i], x[i + 1]) holds wx; where several do, the
// last; 0 for none (and while no model is held).
int element_pod(float wx);

// "napr=%8.1f" of that element's stress, "brak danych" where there is none.
std::string tekst_naprezenia(float wx);
