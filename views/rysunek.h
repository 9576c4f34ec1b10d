#pragma once

#include "kolory.h"
#include "lista.h"

#include <optional>

// The main view's picture of the current model.

struct UstawieniaWidoku {
    bool napr = false;           // stresses shown in colour, with the legend
    int przem = 1;               // with stresses: 1 = grey outlines, else outlines in the fill colour
    const TablicaKolorow* knapr; // the 201 stress colours
};

struct Skala {
    float x0; // coordinate drawn at pixel 25
    float sx; // pixels per unit of x
};

struct ObrazWidoku {
    Rysunek rysunek;
    // The scale of the drawing, when it drew the bar; otherwise x0 and sx
    // keep their previous values (empty model, window too small, or a bar
    // with no finite extent or no positive area).
    std::optional<Skala> skala;
};

// The picture for a client area of szerokosc x wysokosc pixels. Reads the
// model (nothing but a white client area while Pusty). Coordinates are
// float computations truncated toward zero, one truncation per coordinate.
// Runs of elements that land on the same pixels are merged: the picture is
// the one every element drawn in turn would give.
ObrazWidoku rysuj(const UstawieniaWidoku& ustawienia, int szerokosc, int wysokosc);

// The same without merging: every element drawn (for tests of the merging).
ObrazWidoku rysuj_wszystko(const UstawieniaWidoku& ustawienia, int szerokosc, int wysokosc);
