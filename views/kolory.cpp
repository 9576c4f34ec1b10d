#include "kolory.h"

#include <cmath>

void Pasek_kol(TablicaKolorow& knapr)
{
    // Four runs over closed ranges; where two meet, the later one stands.
    for (int i = 0; i <= 50; ++i)
        knapr[i] = rgb(2 * i + 105, 0, 0);
    for (int i = 50; i <= 100; ++i)
        knapr[i] = rgb(255, 2 * (i - 49) + 105, 0);
    for (int i = 100; i <= 150; ++i)
        knapr[i] = rgb(0, 2 * (i - 99) + 105, 0);
    for (int i = 150; i <= 200; ++i)
        knapr[i] = rgb(0, i - 50, 2 * (i - 149) + 140);
}

int indeks_koloru(float naprezenie, float an, float ss)
{
    const float m = 200.0f - (naprezenie - an) * ss;
    // Clamp before converting: a NaN (from a stress or scale that is not
    // finite) would make the conversion undefined; it gets the colour of the
    // bottom of the scale, index 200.
    if (std::isnan(m) || m >= 200.0f)
        return 200;
    if (m <= 0.0f)
        return 0;
    return int(m);
}
