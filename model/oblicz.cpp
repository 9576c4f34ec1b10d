#include "analiza.h"
#include "arytmetyka.h"
#include "model.h"
#include "wyrazy.h"

#include <bit>
#include <cmath>
#include <cstdint>

// Gaussian elimination of the half-bandwidth-2 band without pivoting: the
// penalised stiffness matrix is positive definite for any model the entry
// dialogs accept. Every stored value is the float rounding of its formula
// evaluated in double.
//
// Both sweeps are chains of dependent operations, so their speed is their
// latency. The fast sweeps follow each chain with cheaper operations that
// give the exact value except in rare, detectable cases, check every step off
// the chain, and redo a step exactly where the check fails: the stored values
// are bit for bit those of the plain loops.

namespace {

#if ZENTA_SZYBKIE_PETLE
std::uint32_t bity(float v) { return std::bit_cast<std::uint32_t>(v); }

// Guesses each step with a single-rounding fused multiply-add, which differs
// from the double-then-float rounding only when the double lands on a float
// midpoint. Returns the first row whose guess was wrong (not stored), or n.
__attribute__((target("fma"))) int eliminuj_szybko(int k, int n)
{
    // Rows are one contiguous block: s[k][1] = pasmo[2k - 2], s[k][2] = pasmo[2k - 1].
    float* const pasmo = &s[1][1];
    float d = pasmo[przekatna_w_pasmie(k)], g = f[k];
    for (; k < n; ++k) {
        const std::ptrdiff_t p = przekatna_w_pasmie(k);
        const float s2 = pasmo[p + 1];
        const float c = s2 / d; // one float division: already exact
        const float s1_dalej = pasmo[p + 2], f_dalej = f[k + 1];
        const float d_zgadniete = std::fma(-c, s2, s1_dalej);
        const float g_zgadniete = std::fma(-c, g, f_dalej);
        const float d_dokladne = po_eliminacji(s1_dalej, c, s2);
        const float g_dokladne = po_eliminacji(f_dalej, c, g);
        if ((bity(d_zgadniete) ^ bity(d_dokladne)) | (bity(g_zgadniete) ^ bity(g_dokladne)))
            return k;
        pasmo[p + 2] = d = d_zgadniete;
        f[k + 1] = g = g_zgadniete;
    }
    return n;
}
#endif

float naprezenie(int i)
{
    return float(((double(f[i + 1]) - f[i]) / (double(x[i + 1]) - x[i]) - double(alp[i]) * dt[i]) * e[i]);
}

// f[i] = (f[i] - sum) / s[i][1] with sum = s[i][2]·f[i+1], rounded as stored.
float podstaw_dokladnie(int i)
{
    const float sum = float(0.0 + double(s[i][2]) * f[i + 1]);
    return float((double(f[i]) - sum) / s[i][1]);
}

// The back substitution takes t / s[i][1] as t times the reciprocal (computed
// off the chain). That product is within a few double ulps of the true
// quotient, so its float rounding is the exact one unless it lies next to a
// float rounding boundary: the low 29 bits of a double are what rounding to
// float drops, and a boundary is where they read 0x10000000. Zeros, float
// subnormals, infinities and NaNs are left to the exact division too.
bool pewne_zaokraglenie(double iloraz)
{
    const std::uint64_t b = std::bit_cast<std::uint64_t>(iloraz);
    const std::uint32_t wykladnik = std::uint32_t(b >> 52) & 0x7ff;
    const std::uint32_t odrzucane = std::uint32_t(b) & 0x1fffffff;
    const bool normalny_float = wykladnik >= 1023 - 126 && wykladnik < 0x7ff;
    const bool przy_granicy = odrzucane - (0x10000000u - 16) <= 32;
    return normalny_float && !przy_granicy;
}

// c = s[k][2] / s[k][1]; row k + 1 less c times row k.
void krok_eliminacji(int k)
{
    const float c = wspolczynnik_eliminacji(s[k][2], s[k][1]);
    s[k + 1][1] = po_eliminacji(s[k + 1][1], c, s[k][2]);
    f[k + 1] = po_eliminacji(f[k + 1], c, f[k]);
}

void eliminuj(int n)
{
#if ZENTA_SZYBKIE_PETLE
    if (__builtin_cpu_supports("fma")) {
        for (int k = eliminuj_szybko(1, n); k < n; k = eliminuj_szybko(k + 1, n))
            krok_eliminacji(k);
        return;
    }
#endif
    for (int k = 1; k <= n - 1; ++k)
        krok_eliminacji(k);
}

void podstaw(int n)
{
    const float* const pasmo = &s[1][1]; // as in the elimination
    f[n] = float(double(f[n]) / pasmo[przekatna_w_pasmie(n)]);
    float dalej = f[n];
    for (int i = n - 1; i >= 1; --i) {
        const std::ptrdiff_t p = przekatna_w_pasmie(i);
        const double odwrotnosc = 1.0 / double(pasmo[p]);
        const float sum = pasmo[p + 1] * dalej; // the float product: exact as rounded
        const double iloraz = (double(f[i]) - double(sum)) * odwrotnosc;
        float fi = float(iloraz);
        if (__builtin_expect(!pewne_zaokraglenie(iloraz), 0))
            fi = podstaw_dokladnie(i);
        f[i] = dalej = fi;
        stress[i] = naprezenie(i);
    }
}

void reakcje()
{
    for (int p = 1; p <= il_podpor; ++p)
        react[p] = float((double(u[p]) - f[nu[p]]) * cnst);
}

} // namespace

void Oblicz(const std::function<void(int)>& postep)
{
    const ArytmetykaIeee arytmetyka;
    if (postep)
        postep(1);
    eliminuj(il_wezl);
    if (postep)
        postep(50);
    podstaw(il_wezl);
    reakcje();
}
