#include "kolory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

TEST(IndeksKoloru, LargestStressIsZeroAndTheBottomOfTheScaleIs200)
{
    const float an = -5.0f, mn = 15.0f, ss = 200.0f / (mn - an);
    EXPECT_EQ(indeks_koloru(mn, an, ss), 0);
    EXPECT_EQ(indeks_koloru(an, an, ss), 200);
    EXPECT_EQ(indeks_koloru(5.0f, an, ss), 100);
    EXPECT_EQ(indeks_koloru(5.04f, an, ss), 99); // 99.6: truncated, not rounded
}

// The telling rows by their own values: each band's ends, and the joins where a later run overwrites.
TEST(PasekKol, EachBandRunsFromItsFirstColourToItsLast)
{
    TablicaKolorow k{};
    Pasek_kol(k);
    const std::pair<int, Kolor> wiersze[] = {
        {0, rgb(105, 0, 0)},   {49, rgb(203, 0, 0)},  {50, rgb(255, 107, 0)},  {99, rgb(255, 205, 0)},
        {100, rgb(0, 107, 0)}, {149, rgb(0, 205, 0)}, {150, rgb(0, 100, 142)}, {200, rgb(0, 150, 242)}};
    for (const auto& [i, kolor] : wiersze)
        EXPECT_EQ(k[std::size_t(i)], kolor) << i;
}

TEST(IndeksKoloru, NonFiniteStressesNeverReachAnIntConversion)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(indeks_koloru(nan, 0.0f, 20.0f), 200);
    EXPECT_EQ(indeks_koloru(1.0f, nan, 20.0f), 200);
    EXPECT_EQ(indeks_koloru(1.0f, 0.0f, nan), 200);
    EXPECT_EQ(indeks_koloru(inf, 0.0f, 20.0f), 0);
    EXPECT_EQ(indeks_koloru(-inf, 0.0f, 20.0f), 200);
    EXPECT_EQ(indeks_koloru(inf, -inf, 0.0f), 200); // inf * 0 is NaN
}
