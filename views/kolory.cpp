#include "kolory.h"


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

