#include "format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string przez_printf(const char* format, double v)
{
    char b[512];
    const int n = std::snprintf(b, sizeof b, format, v);
    return std::string(b, std::size_t(n));
}

std::string nasz(const char* format, double v)
{
    char b[miejsce_na_liczbe];
    return std::string(b, zapisz_liczbe(b, v, format_liczby(format)));
}

// Values where printf's rounding is easiest to get wrong.
std::vector<double> wartosci_graniczne()
{
    const float fmax = FLT_MAX, fmin = std::numeric_limits<float>::denorm_min();
    std::vector<double> w = {0.0, -0.0, fmin, -fmin, FLT_MIN, fmax, -fmax, DBL_MAX, -DBL_MIN, 4.9e-324,
                             std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
                             0.5, 1.5, 2.5, 0.125, 0.375, -0.0625, 1e15, 999.5, 9.5, 99.995, 0.00005, 1e-5};
    for (int precyzja = 0; precyzja <= 15; ++precyzja)
        for (int k = 0; k < 200; ++k) { // halfway at the last printed digit, and the floats beside it
            const double polowa = (k + 0.5) / std::pow(10.0, precyzja);
            const float f = float(polowa);
            for (const float g : {f, std::nextafter(f, 0.0f), std::nextafter(f, 1e30f)})
                w.insert(w.end(), {double(g), -double(g)});
            w.push_back(polowa);
        }
    for (int e = -45; e <= 38; ++e) { // powers of ten and their neighbours
        const float f = float(std::pow(10.0, e));
        for (const float g : {f, std::nextafter(f, 0.0f), std::nextafter(f, 1e38f)})
            w.push_back(g);
    }
    return w;
}

} // namespace

TEST(FormatLiczby, WritesExactlyWhatPrintfWritesForEveryFormatOfTheProgram)
{
    const char* const formaty[] = {"%8.3f", "%12.8f", "%2.15f", "%5.2f", "%1.4f", "%3.2f", "%6.0f",
                                   "%1.1f", "%6.1f",  "%8.1f",  "%1.10f", "%6.10f", "%1.4f", "%6.4f",
                                   "%.9g",  "%.6g",   "%g",     "%.2g",  "%.3g",  "%.4g",  "%.7g",  "%.2e"};
    std::mt19937_64 los(2026);
    std::vector<double> wartosci = wartosci_graniczne();
    for (int k = 0; k < 100000; ++k) {
        const float bity = std::bit_cast<float>(std::uint32_t(los())); // every float alike
        if (std::isfinite(bity))
            wartosci.push_back(bity);
        wartosci.push_back(float(std::uniform_real_distribution<double>(-2e5, 2e5)(los)));
        wartosci.push_back(std::ldexp(std::uniform_real_distribution<double>(-1, 1)(los),
                                      std::uniform_int_distribution<int>(-60, 80)(los))); // doubles
    }
    std::size_t porownane = 0, rozne = 0;
    for (const char* f : formaty)
        for (double v : wartosci) {
            const std::string oczekiwany = przez_printf(f, v), wynik = nasz(f, v);
            ++porownane;
            if (wynik != oczekiwany && ++rozne <= 10)
                ADD_FAILURE() << f << " of " << std::hexfloat << v << ": \"" << wynik << "\" instead of \""
                              << oczekiwany << "\"";
        }
    EXPECT_EQ(rozne, 0u) << "of " << porownane;
    EXPECT_GT(porownane, 6'000'000u);

    for (int v : {0, -7, 42, 2147483647, -2147483647 - 1}) {
        char b[16], p[32];
        EXPECT_EQ(std::string(b, zapisz_liczbe(b, v, 4)), std::string(p, std::size_t(std::snprintf(p, sizeof p, "%4d", v))));
    }
}

TEST(FormatLiczby, KeepsItsPointUnderALocaleWithADecimalComma)
{
    const std::string poprzedni = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "pl_PL.UTF-8"))
        GTEST_SKIP() << "no pl_PL.UTF-8 locale on this machine (scripts/zenta.sh testy makes it)";
    EXPECT_EQ(nasz("%8.3f", 2.5), "   2.500");
    EXPECT_EQ(nasz("%.9g", 0.1f), "0.100000001");
    EXPECT_EQ(printf_liczby("x=%5.2f", 1015483.88), "x=1015483.88");
    std::setlocale(LC_ALL, poprzedni.c_str());
}
