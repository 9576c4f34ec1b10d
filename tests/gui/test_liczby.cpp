#include "liczby.h"
#include "pola_rekordu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// The readings are locale-free (from_chars); the texts go through the one
// formatter, whose locale test is with the files.

TEST(Odczyty, IntegerReadingTakesSignAndDigitsOnly)
{
    EXPECT_EQ(czytaj_calkowita("3.7"), 3);
    EXPECT_EQ(czytaj_calkowita("abc"), 0);
    EXPECT_EQ(czytaj_calkowita("  -4"), -4);
    EXPECT_EQ(czytaj_calkowita("+12x"), 12);
    EXPECT_EQ(czytaj_calkowita(""), 0);
    EXPECT_EQ(czytaj_calkowita("99999999999999"), 2147483647);
    EXPECT_EQ(czytaj_calkowita("-99999999999999"), -2147483647 - 1);
}

TEST(Odczyty, RealReadingTakesTheLongestDecimalNumberWithAPoint)
{
    EXPECT_EQ(czytaj_rzeczywista("1.5"), 1.5);
    EXPECT_EQ(czytaj_rzeczywista("2e7"), 20000000.0);
    EXPECT_EQ(czytaj_rzeczywista("  -4"), -4.0);
    EXPECT_EQ(czytaj_rzeczywista("abc"), 0.0);
    EXPECT_EQ(czytaj_rzeczywista(".5"), 0.5);
    EXPECT_EQ(czytaj_rzeczywista("5."), 5.0);
    EXPECT_EQ(czytaj_rzeczywista("2e"), 2.0);   // an exponent without digits is not part of it
    EXPECT_EQ(czytaj_rzeczywista("2e+x"), 2.0);
    EXPECT_EQ(czytaj_rzeczywista("1.5E-3"), 0.0015);
    EXPECT_EQ(czytaj_rzeczywista("+7"), 7.0);
}

TEST(Odczyty, ACommaBetweenDigitsIsTheDecimalPointOnceBeforeTheExponent)
{
    EXPECT_EQ(czytaj_rzeczywista("1,5"), 1.5);
    EXPECT_EQ(czytaj_rzeczywista(" -0,25e2"), -25.0);
    EXPECT_EQ(czytaj_rzeczywista("1,5,3"), 1.5);
    EXPECT_EQ(czytaj_rzeczywista("1.5,3"), 1.5);
    EXPECT_EQ(czytaj_rzeczywista("1,5.3"), 1.5);
    EXPECT_EQ(czytaj_rzeczywista("2e3,5"), 2000.0);
    EXPECT_EQ(czytaj_rzeczywista(",5"), 0.0); // not between digits
    EXPECT_EQ(czytaj_rzeczywista("7,"), 7.0);
    EXPECT_EQ(czytaj_rzeczywista("7,e2"), 7.0);
}

TEST(Odczyty, NoInfinityNanOrHexadecimalFloats)
{
    EXPECT_EQ(czytaj_rzeczywista("inf"), 0.0);
    EXPECT_EQ(czytaj_rzeczywista("nan"), 0.0);
    EXPECT_EQ(czytaj_rzeczywista("-infinity"), 0.0);
    EXPECT_EQ(czytaj_rzeczywista("0x1p3"), 0.0);
    EXPECT_TRUE(std::isinf(czytaj_rzeczywista("1e400")));
    EXPECT_EQ(czytaj_rzeczywista("1e-400"), 0.0);
}

TEST(TekstPola, KeepsTheFormatWhenItReadsBackAndOtherwiseTheShortestExactTextThatFits)
{
    EXPECT_EQ(tekst_pola("%1.1f", 2.5f, 8), "2.5");
    EXPECT_EQ(tekst_pola("%1.1f", 20000000.0f, 14), "20000000.0");
    EXPECT_EQ(tekst_pola("%6.1f", 2.5f, 8), "   2.5");
    EXPECT_EQ(tekst_pola("%1.1f", 1.0e8f, 8), "1e8"); // never "1000000", ten times too small
    EXPECT_EQ(tekst_pola("%1.1f", 123456.0f, 8), "123456");
    EXPECT_EQ(tekst_pola("%1.4f", 100.0f, 8), "100");
    EXPECT_EQ(tekst_pola("%6.1f", 0.06f, 8), "0.06");     // not "   0.1"
    EXPECT_EQ(tekst_pola("%1.1f", 0.0004f, 8), "0.0004"); // not "0.0", which is refused
    EXPECT_EQ(tekst_pola("%6.10f", 1.5e-12f, 14), "1.5e-12");
    for (float v : {1.0e8f, 123456.0f, -12345.0f, 3.0e11f, 250.5f, -98765.0f, 0.06f, 1.0e-30f, -0.0f})
        EXPECT_EQ(float(czytaj_rzeczywista(tekst_pola("%1.1f", v, 8).c_str())), v) << v;
}

TEST(TekstPola, AValueNoFittingTextHoldsExactlyGetsTheClosestThatFits)
{
    const std::string t = tekst_pola("%1.1f", 1.2345678e30f, 8);
    EXPECT_LE(t.size(), 7u);
    EXPECT_NEAR(czytaj_rzeczywista(t.c_str()) / 1.2345678e30, 1.0, 0.05);
}

TEST(PolaRekordu, TypedRealsThatOverflowAFloatAreRefused)
{
    char pole[14] = "1e39";
    EXPECT_FALSE(rzeczywista(pole));
    char dobre[14] = "3.5e38";
    EXPECT_FALSE(rzeczywista(dobre));
    char male[14] = "3.4e38";
    EXPECT_TRUE(rzeczywista(male));
}
