#pragma once

#include "lista.h"

#include <ostream>

// A picture as an SVG document of szerokosc x wysokosc pixels, each item
// covering the pixels the player gives it.
void zapisz_svg(const Rysunek& rysunek, int szerokosc, int wysokosc, std::ostream& wyjscie);
