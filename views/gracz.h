#pragma once

#include "lista.h"

#include <QFont>

class QImage;
class QPainter;

// Plays a picture into an image (RGB32): rectangles and lines are set pixel
// by pixel as the picture's coordinates mean them (piksele.h), text in
// "Arial" through a painter, each text on a box of its background colour as
// high as its font. Whatever lies outside the image is left out. An image
// with a device pixel ratio above 1 gets every picture pixel as a block of
// device pixels and its text drawn at the device's resolution.
void odtworz(const Rysunek& rysunek, QImage& obraz);

// The same onto a painter's device, through an image of `szerokosc` x
// `wysokosc` (at the device's pixel ratio) first filled with `tlo`.
void odtworz(const Rysunek& rysunek, QPainter& malarz, int szerokosc, int wysokosc, Kolor tlo);

// "Arial" of the given height: the whole cell, ascent and descent together,
// is `wysokosc` pixels, as the drawings mean a font's height (Qt's pixel size
// is the em, which is smaller).
QFont czcionka_o_wysokosci(int wysokosc);

// Where a text of the picture stands in that font.
MiaraNapisu zmierz_tekst(const Tekst& t);
