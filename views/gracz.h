#pragma once

#include "lista.h"

class QImage;
class QPainter;

// Plays a picture into an image (RGB32): rectangles and lines are set pixel
// by pixel as the picture's coordinates mean them (a rectangle without its
// right and bottom edge, a line without its end point, a pen of width w
// reaching w / 2 pixels one way and (w - 1) / 2 the other), text in "Arial"
// through a painter. Whatever lies outside the image is left out.
void odtworz(const Rysunek& rysunek, QImage& obraz);

// The same onto a painter's device, through an image of `szerokosc` x
// `wysokosc` first filled with `tlo`.
void odtworz(const Rysunek& rysunek, QPainter& malarz, int szerokosc, int wysokosc, Kolor tlo);
