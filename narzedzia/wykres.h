#pragma once

#include "lista.h"

#include <optional>
#include <string_view>

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
