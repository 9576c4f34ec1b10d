#include "pom_mac.h"

#include <gtest/gtest.h>

#include <climits>

// ---- requests that cannot be satisfied end the process ----

using NrerrorDeathTest = ::testing::Test;

TEST_F(NrerrorDeathTest, RangeEndingBelowItsStartIsRefusedWithTheHelpersText)
{
    EXPECT_EXIT(wektor(5, 3), ::testing::ExitedWithCode(1), "błąd allokacji w vector\\(\\)");
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
