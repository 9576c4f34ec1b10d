#pragma once

// The arithmetic the analysis is exact in (internal to model/).

#include <cfenv>
#include <climits>
#include <cstddef>

#if defined(__FAST_MATH__)
#error "ZENTA liczy bit w bit tylko bez -ffast-math (zmienia wyniki co trzeciego modelu)"
#endif

// The fused multiply-add sweep and the AVX2 assembly exist on x86-64 only, and
// not in a build that asks for the plain loops (ZENTA_PROSTE_PETLE): the plain
// loops give the same bits on any machine.
#if defined(__x86_64__) && !defined(ZENTA_PROSTE_PETLE)
#define ZENTA_SZYBKIE_PETLE 1
#endif

// A loop compiled for AVX2 too, the machine choosing at start. Clang (the
// fuzzer's compiler) cannot clone templates: there it is compiled once.
#if ZENTA_SZYBKIE_PETLE && !defined(__clang__)
#define ZENTA_TAKZE_AVX2 __attribute__((target_clones("avx2", "default")))
#else
#define ZENTA_TAKZE_AVX2
#endif

// Rounding to nearest, subnormals kept (x86's flush-to-zero and
// denormals-are-zero off) for as long as it lives; the caller's environment
// comes back after it.
class ArytmetykaIeee {
public:
    ArytmetykaIeee();
    ~ArytmetykaIeee();
    ArytmetykaIeee(const ArytmetykaIeee&) = delete;
    ArytmetykaIeee& operator=(const ArytmetykaIeee&) = delete;

private:
    std::fenv_t dawne_;
    unsigned mxcsr_ = 0;
};

// Where row k's diagonal stands in the band, whose rows are one block of two
// cells: past 2^30 rows it is beyond what an int can count.
constexpr std::ptrdiff_t przekatna_w_pasmie(int k) { return 2 * std::ptrdiff_t{k} - 2; }
static_assert(przekatna_w_pasmie(1) == 0 && przekatna_w_pasmie(INT_MAX) == 4294967292);
