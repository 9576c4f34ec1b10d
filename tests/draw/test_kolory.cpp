#include "kolory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(IndeksKoloru, LargestStressIsZeroAndTheBottomOfTheScaleIs200)
{
    const float an = -5.0f, mn = 15.0f, ss = 200.0f / (mn - an);
    EXPECT_EQ(indeks_koloru(mn, an, ss), 0);
    EXPECT_EQ(indeks_koloru(an, an, ss), 200);
    EXPECT_EQ(indeks_koloru(5.0f, an, ss), 100);
    EXPECT_EQ(indeks_koloru(5.06f, an, ss), 99); // truncated, not rounded
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
