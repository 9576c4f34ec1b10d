#pragma once

#include "lista.h"

#include <functional>
#include <ostream>

using Mierzenie = std::function<MiaraNapisu(const Tekst&)>;

// A picture as an SVG document of szerokosc x wysokosc pixels, each item
// covering the pixels the player gives it. With `miara`, each text stands on
// its background box as the player draws it; without, it is placed by its
// top edge and has no box.
void zapisz_svg(const Rysunek& rysunek, int szerokosc, int wysokosc, std::ostream& wyjscie,
                const Mierzenie& miara = {});
