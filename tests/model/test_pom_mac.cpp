#include "pom_mac.h"

#include <gtest/gtest.h>

#include <climits>

// ---- layout ----

TEST(Wektor, IndicesFromLowToHighAreUsableAndTheCellBelowIsTheBlockStart)
{
    float* v = wektor(1, 5);
    for (int i = 0; i <= 5; ++i) // index 0 is the spare cell, inside the block
        v[i] = float(i);
    EXPECT_EQ(v[5], 5.0f);
    uwolnij_wektor(v, 1, 5);

    double* d = dwektor(-2, 2);
    for (int i = -3; i <= 2; ++i)
        d[i] = i;
    EXPECT_EQ(d[-3], -3.0);
    uwolnij_dwektor(d, -2, 2);
}

TEST(Wektor, EmptyRangeStillHasItsSpareCell)
{
    int* v = iwektor(1, 0);
    v[0] = 7;
    EXPECT_EQ(v[0], 7);
    uwolnij_iwektor(v, 1, 0);
}

TEST(Macierz, RowsAreOneContiguousBlockAfterASpareCell)
{
    const int n = 4;
    float** m = macierz(1, n, 1, 2);
    for (int i = 1; i < n; ++i)
        EXPECT_EQ(&m[i][2] + 1, &m[i + 1][1]);
    EXPECT_EQ(&m[n][1] - &m[1][1], 2 * (n - 1));
    m[1][0] = 1.0f; // the spare cell in front of the element block
    m[0] = nullptr; // the spare row pointer
    m[n][2] = 2.0f;
    uwolnij_macierz(m, 1, n, 1, 2);
}

TEST(Macierz, OtherTypesAndOffsetsFollowTheSameLayout)
{
    int** m = imacierz(0, 2, 3, 5);
    EXPECT_EQ(&m[0][5] + 1, &m[1][3]);
    m[2][5] = 9;
    uwolnij_imacierz(m, 0, 2, 3, 5);
    double** d = dmacierz(2, 3, 1, 1);
    EXPECT_EQ(&d[2][1] + 1, &d[3][1]);
    uwolnij_dmacierz(d, 2, 3, 1, 1);
}

TEST(Wektor, LargeBlocksAreUsableEnd_to_end)
{
    const int n = 3'000'000; // above the huge-page threshold
    float* v = wektor(1, n);
    v[1] = 1.0f;
    v[n] = 2.0f;
    EXPECT_EQ(v[1] + v[n], 3.0f);
    uwolnij_wektor(v, 1, n);
}

// ---- requests that cannot be satisfied end the process ----

using NrerrorDeathTest = ::testing::Test;

TEST_F(NrerrorDeathTest, WritesThreeLinesAndExitsWithOne)
{
    EXPECT_EXIT(nrerror("tekst"), ::testing::ExitedWithCode(1),
                "^Wystąpił bład podczas działania programu \ntekst\n\\.\\.\\.powrót do systemu\\.\\.\\.\n$");
}

TEST_F(NrerrorDeathTest, RangeEndingBelowItsStartIsRefusedWithTheHelpersText)
{
    EXPECT_EXIT(wektor(5, 3), ::testing::ExitedWithCode(1), "błąd allokacji w vector\\(\\)");
    EXPECT_EXIT(iwektor(5, 3), ::testing::ExitedWithCode(1), "błąd alokacji w ivector\\(\\)");
    EXPECT_EXIT(cwektor(5, 3), ::testing::ExitedWithCode(1), "błąd alokacji w cvector\\(\\)");
    EXPECT_EXIT(lwektor(5, 3), ::testing::ExitedWithCode(1), "błąd alokacji w lvektor\\(\\)");
    EXPECT_EXIT(dwektor(5, 3), ::testing::ExitedWithCode(1), "błąd alokacjiw dvector\\(\\)");
    EXPECT_EXIT(macierz(1, 0, 1, 2), ::testing::ExitedWithCode(1), "błąd alokacji 1 w macierz\\(\\)");
    EXPECT_EXIT(dmacierz(1, 2, 3, 1), ::testing::ExitedWithCode(1), "allocation failure 1 in matrix\\(\\)");
}

TEST_F(NrerrorDeathTest, SizeThatOverflowsIsRefusedNotShortened)
{
    // 2^31 rows of 2^32 floats: the byte count does not fit in size_t.
    EXPECT_EXIT(macierz(1, INT_MAX, INT_MIN, INT_MAX), ::testing::ExitedWithCode(1),
                "allocation failure 2 in matrix\\(\\)");
}

#if !defined(__SANITIZE_ADDRESS__)
#include <sys/resource.h>

TEST_F(NrerrorDeathTest, MemoryThatCannotBeHadEndsTheProgramWithItsThreeLines)
{
    // given a process limited to 512 MiB of address space
    const auto za_malo_pamieci = [] {
        rlimit limit{512u << 20, 512u << 20};
        setrlimit(RLIMIT_AS, &limit);
        wektor(1, 400'000'000); // 1.6 GB
    };
    EXPECT_EXIT(za_malo_pamieci(), ::testing::ExitedWithCode(1),
                "^Wystąpił bład podczas działania programu \nbłąd allokacji w vector\\(\\)\n"
                "\\.\\.\\.powrót do systemu\\.\\.\\.\n$");
}
#endif
