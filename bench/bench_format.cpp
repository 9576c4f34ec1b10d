// Nanoseconds per number: the program's formatter against snprintf into a
// buffer and against snprintf into a std::string (how the program formatted
// before), on the same random floats, for the table and JSON formats.
//   build/bench/bench_format

#include "format.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<double>& liczby()
{
    static const std::vector<double> v = [] {
        std::mt19937 los(7);
        std::vector<double> w(1 << 16);
        for (double& x : w)
            x = float(std::uniform_real_distribution<double>(-1e4, 1e4)(los));
        return w;
    }();
    return v;
}

void BM_snprintf(benchmark::State& stan, const char* format)
{
    char b[512];
    std::size_t k = 0;
    for (auto _ : stan) {
        benchmark::DoNotOptimize(std::snprintf(b, sizeof b, format, liczby()[k++ & 0xffff]));
        benchmark::ClobberMemory();
    }
}

void BM_snprintf_do_stringa(benchmark::State& stan, const char* format)
{
    std::size_t k = 0;
    for (auto _ : stan) {
        char b[64];
        const int n = std::snprintf(b, sizeof b, format, liczby()[k++ & 0xffff]);
        std::string t(b, std::size_t(n));
        benchmark::DoNotOptimize(t);
    }
}

void BM_zapisz_liczbe(benchmark::State& stan, const char* format)
{
    char b[miejsce_na_liczbe];
    const FormatLiczby f = format_liczby(format);
    std::size_t k = 0;
    for (auto _ : stan) {
        benchmark::DoNotOptimize(zapisz_liczbe(b, liczby()[k++ & 0xffff], f));
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_snprintf_do_stringa, stress_12_8f, "%12.8f");
BENCHMARK_CAPTURE(BM_snprintf, stress_12_8f, "%12.8f");
BENCHMARK_CAPTURE(BM_zapisz_liczbe, stress_12_8f, "%12.8f");
BENCHMARK_CAPTURE(BM_snprintf, displacement_2_15f, "%2.15f");
BENCHMARK_CAPTURE(BM_zapisz_liczbe, displacement_2_15f, "%2.15f");
BENCHMARK_CAPTURE(BM_snprintf_do_stringa, json_9g, "%.9g");
BENCHMARK_CAPTURE(BM_snprintf, json_9g, "%.9g");
BENCHMARK_CAPTURE(BM_zapisz_liczbe, json_9g, "%.9g");

BENCHMARK_MAIN();
