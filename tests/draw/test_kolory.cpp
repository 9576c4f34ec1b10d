#include "kolory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TablicaKolorow tablica()
{
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    return knapr;
}

} // namespace

TEST(PasekKol, TellingRowsHoldTheirColours)
{
    const auto knapr = tablica();
    EXPECT_EQ(knapr[0], rgb(105, 0, 0));
    EXPECT_EQ(knapr[49], rgb(203, 0, 0));
    EXPECT_EQ(knapr[50], rgb(255, 107, 0));
    EXPECT_EQ(knapr[99], rgb(255, 205, 0));
    EXPECT_EQ(knapr[100], rgb(0, 107, 0));
    EXPECT_EQ(knapr[149], rgb(0, 205, 0));
    EXPECT_EQ(knapr[150], rgb(0, 100, 142));
    EXPECT_EQ(knapr[200], rgb(0, 150, 242));
}

TEST(PasekKol, ColourValueHasRedInTheLowByte)
{
    EXPECT_EQ(rgb(1, 2, 3), 0x030201u);
    EXPECT_EQ(czerwony(rgb(105, 0, 0)), 105);
    EXPECT_EQ(niebieski(rgb(0, 150, 242)), 242);
}

TEST(IndeksKoloru, LargestStressIsZeroAndTheBottomOfTheScaleIs200)
{
    const float an = -5.0f, mn = 15.0f, ss = 200.0f / (mn - an);
    EXPECT_EQ(indeks_koloru(mn, an, ss), 0);
    EXPECT_EQ(indeks_koloru(an, an, ss), 200);
    EXPECT_EQ(indeks_koloru(5.0f, an, ss), 100);
    EXPECT_EQ(indeks_koloru(5.06f, an, ss), 99); // truncated, not rounded
}

TEST(IndeksKoloru, ValuesOutsideTheScaleAreClamped)
{
    const float an = 0.0f, ss = 200.0f / 10.0f;
    EXPECT_EQ(indeks_koloru(10.5f, an, ss), 0);
    EXPECT_EQ(indeks_koloru(-1.0f, an, ss), 200);
    EXPECT_EQ(indeks_koloru(1e30f, an, ss), 0);
    EXPECT_EQ(indeks_koloru(-1e30f, an, ss), 200);
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
