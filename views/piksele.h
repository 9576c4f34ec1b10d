#pragma once

#include "lista.h"

// The pixels each item of a picture sets, as filled rectangles: the one
// meaning of the display list that the image player and the SVG writer share.
class Wypelnianie {
public:
    virtual ~Wypelnianie() = default;
    // Pixels [x1, x2] x [y1, y2], inclusive, in colour `k`; the rectangle
    // may reach outside the picture.
    virtual void wypelnij(int x1, int y1, int x2, int y2, Kolor k) = 0;
};

// A rectangle's outline in its pen's colour, then its interior in its fill.
void wypelnienia(const Prostokat& r, Wypelnianie& w);

// A line without its end point; a pen of width w reaches w / 2 pixels one way
// and (w - 1) / 2 the other. A slanted line longer than four times the
// picture's width and height together (only a damaged model makes one) is
// left out.
void wypelnienia(const Linia& l, int szerokosc, int wysokosc, Wypelnianie& w);
