#pragma once

#include "lista.h"

#include <string>

// A picture as a file through the safe writer: PNG for a name ending in .png
// (any case), SVG otherwise, at szerokosc x wysokosc pixels. The desktop
// program and zenta-oblicz write the same bytes. False when the file could
// not be written, `powod` saying why.
bool zapisz_obraz(const std::string& sciezka, const Rysunek& rysunek, int szerokosc, int wysokosc,
                  std::string& powod);
