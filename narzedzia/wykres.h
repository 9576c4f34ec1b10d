#pragma once

#include "lista.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Diagrams of the analysed current model along x: axial force, stress or
// displacement, with labelled axes, the extremes marked and, below, the
// deformed shape with its magnification. As a display list, like the main view.

enum class RodzajWykresu { sila, naprezenie, przemieszczenie };

// "N", "napr" or "u".
std::optional<RodzajWykresu> rodzaj_wykresu(std::string_view nazwa);

struct Wykres {
    Rysunek rysunek;
    double powiekszenie = 0; // of the displacements in the deformed shape; 0 when none is drawn
};

// szerokosc and wysokosc at least 151 pixels.
Wykres rysuj_wykres(RodzajWykresu rodzaj, int szerokosc, int wysokosc);
// Several of one size, each as rysuj_wykres draws it, in less time.
std::vector<Wykres> rysuj_wykresy_osobno(std::initializer_list<RodzajWykresu> rodzaje, int szerokosc,
                                         int wysokosc);

// The x axis of the diagrams: coordinates lo..hi over pixel columns p1..p2.
struct OsX {
    double lo, hi;
    int p1, p2;
};

// The three diagrams one above the other (N, σ, u) on one x axis, and the
// deformed shape under them: the diagrams window. At least 151 pixels wide
// and 3 × 120 + 96 high.
struct ZestawWykresow {
    struct Pasmo {
        RodzajWykresu rodzaj = RodzajWykresu::sila;
        int gora = 0, dol = 0; // rows [gora, dol)
    };
    Rysunek rysunek;
    Pasmo pasma[3];
    std::optional<OsX> os; // none when nothing could be drawn
    double powiekszenie = 0;
};
ZestawWykresow rysuj_wykresy(int szerokosc, int wysokosc);

// What the pointer at (kolumna, wiersz) of the diagrams points at: x, the
// element (N, σ) or the node nearest (u) there and its value in the tables'
// formats; "" off the diagrams. Pixel column to x as the main view's
// read-out does it, so one column means one element in both.
std::string odczyt_wykresow(const ZestawWykresow& w, int kolumna, int wiersz);
