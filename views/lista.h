#pragma once

#include "kolory.h"

#include <string>
#include <variant>
#include <vector>

// A picture as data: what to draw, in paint order (later items cover
// earlier ones), in whole client pixels. The player turns it into painter
// calls; the tests read it directly; zenta-oblicz writes it as SVG or PNG.

struct Pioro {
    Kolor kolor;
    int grubosc; // pixels
    bool operator==(const Pioro&) const = default;
};

// A rectangle outlined with `pioro` and filled with `wypelnienie`. Its
// right and bottom edges are not part of it (lewo <= prawo, gora <= dol).
struct Prostokat {
    int lewo, gora, prawo, dol;
    Pioro pioro;
    Kolor wypelnienie;
    bool operator==(const Prostokat&) const = default;
};

// A straight line; its end point is not drawn.
struct Linia {
    int x1, y1, x2, y2;
    Pioro pioro;
    bool operator==(const Linia&) const = default;
};

// Text in "Arial" of height `wysokosc` pixels, normal weight, its top-left
// corner at (x, y), on an opaque background of colour `tlo`.
struct Tekst {
    int x, y;
    std::string tekst; // UTF-8
    int wysokosc;
    Kolor kolor;
    Kolor tlo;
    bool operator==(const Tekst&) const = default;
};

// Rectangles drawn in turn, every one of whose areas (obszar) crosses pixel
// row `wiersz`, like the elements along the bar's axis: the player can then
// set each pixel once instead of painting one rectangle over another.
struct ProstokatyNaOsi {
    int wiersz;
    std::vector<Prostokat> prostokaty;
    bool operator==(const ProstokatyNaOsi&) const = default;
};

// Where a text stands in the font the player draws it with.
struct MiaraNapisu {
    int em;          // font size in pixels
    int wzniesienie; // baseline below the text's top
    int szerokosc;   // advance of the whole text
};

using ElementRysunku = std::variant<Prostokat, Linia, Tekst, ProstokatyNaOsi>;
using Rysunek = std::vector<ElementRysunku>;

inline constexpr Kolor bialy = rgb(255, 255, 255);
inline constexpr Kolor czarny = rgb(0, 0, 0);
inline constexpr Kolor szary = rgb(128, 128, 128);
inline constexpr Kolor zielony_jasny = rgb(0, 255, 0);
inline constexpr Kolor jasnoszary = rgb(192, 192, 192);

// The pixels a rectangle paints: its fill and its outline, a pen of width w
// reaching w / 2 pixels outwards from the last pixels inside the rectangle,
// (w - 1) / 2 inwards. An empty rectangle still paints its outline.
struct Obszar {
    int lewo, gora, prawo, dol; // inclusive
};

inline Obszar obszar(const Prostokat& r)
{
    const int zewn = (r.pioro.grubosc < 1 ? 1 : r.pioro.grubosc) / 2;
    const int p = r.prawo - 1 > r.lewo ? r.prawo - 1 : r.lewo;
    const int b = r.dol - 1 > r.gora ? r.dol - 1 : r.gora;
    return {r.lewo - zewn, r.gora - zewn, p + zewn, b + zewn};
}
