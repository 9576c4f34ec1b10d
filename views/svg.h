#pragma once

#include "lista.h"
#include "strumien.h"

#include <functional>
#include <string_view>

using Mierzenie = std::function<MiaraNapisu(const Tekst&)>;

struct OpcjeSvg {
    // With it, each text stands on its background box as the player draws it;
    // without, it is placed by its top edge and has no box.
    Mierzenie miara;
    // The XML declaration in front (not for a picture inside an HTML page).
    bool deklaracja_xml = true;
    // Prefix of the ids the picture defines: pictures in one page need their own.
    std::string_view przedrostek = "k";
};

// A picture as an SVG document of szerokosc x wysokosc pixels, each item
// covering the pixels the player gives it; a slanted line is drawn once as a
// shape and used again wherever the same line recurs.
void zapisz_svg(const Rysunek& rysunek, int szerokosc, int wysokosc, Strumien& s, const OpcjeSvg& opcje = {});
