#pragma once

#include <array>
#include <cstdint>

// An RGB colour, red in the low byte, then green, then blue; top byte 0.
using Kolor = std::uint32_t;

constexpr Kolor rgb(int czerwony, int zielony, int niebieski)
{
    return Kolor(czerwony) | Kolor(zielony) << 8 | Kolor(niebieski) << 16;
}
constexpr int czerwony(Kolor k) { return int(k & 0xff); }
constexpr int zielony(Kolor k) { return int(k >> 8 & 0xff); }
constexpr int niebieski(Kolor k) { return int(k >> 16 & 0xff); }

// The 201 stress colours, index 0 (largest stress, dark red) to 200 (smallest, blue).
using TablicaKolorow = std::array<Kolor, 201>;

// Fills the table as the main view's Pasek_kol does.
void Pasek_kol(TablicaKolorow& knapr);

// Colour index of stress `naprezenie` on the scale whose smallest value is
// `an` and which has `ss` colour steps per unit of stress: the truncation of
// 200 - (naprezenie - an) * ss in float arithmetic, limited to 0..200.
// Clamped before converting: a NaN (from a stress or scale that is not
// finite) would make the conversion undefined; it gets the colour of the
// bottom of the scale, index 200.
inline int indeks_koloru(float naprezenie, float an, float ss)
{
    const float m = 200.0f - (naprezenie - an) * ss;
    if (m > 0.0f && m < 200.0f) [[likely]]
        return int(m);
    return m <= 0.0f ? 0 : 200;
}
