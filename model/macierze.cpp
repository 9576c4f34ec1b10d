#include "analiza.h"
#include "arytmetyka.h"
#include "model.h"
#include "wyrazy.h"

#include <algorithm>

namespace {

// Elements are processed a portion at a time, small enough for the caches.
constexpr int porcja = 2048;

// Terms of elements od..od + ile - 1 (ile <= porcja) into eal[1..ile] and
// tl[1..ile], and with Q the halves of their distributed loads into pol[1..ile].
template <bool Q>
ZENTA_TAKZE_AVX2
void wyrazy_elementow(int od, int ile, float* __restrict eal, float* __restrict tl, float* __restrict pol)
{
    const float* __restrict wx = x + od - 1;
    const float* __restrict wa = a + od - 1;
    const float* __restrict we = e + od - 1;
    const float* __restrict walp = alp + od - 1;
    const float* __restrict wdt = dt + od - 1;
    const float* __restrict wq = Q ? qx + od - 1 : nullptr;
    for (int i = 1; i <= ile; ++i) {
        const WyrazyElementu w = wyrazy_elementu(wx[i], wx[i + 1], we[i], wa[i], walp[i], wdt[i]);
        eal[i] = w.eal;
        tl[i] = w.tl;
        if constexpr (Q)
            pol[i] = pol_obciazenia(wx[i], wx[i + 1], wq[i]);
    }
}

// Nodes od..od + ile - 1; node od + k - 1 lies between the elements at
// eal[k - 1] and eal[k]. Distributed loads (Q) and springs (K) follow the
// elements' own terms, before the supports' penalties.
template <bool Q, bool K>
ZENTA_TAKZE_AVX2
void wyrazy_wezlow(int od, int ile, const float* eal, const float* tl, const float* pol)
{
    // Each term in a local, stored once: the band's rows might alias anything.
    for (int k = 1; k <= ile; ++k) {
        const int j = od + k - 1;
        float przekatna_j = przekatna(eal[k - 1], eal[k]);
        float obciazenie_j = obciazenie(si[j], tl[k - 1], tl[k]);
        if constexpr (Q)
            obciazenie_j = dodaj_wyraz(dodaj_wyraz(obciazenie_j, pol[k - 1]), pol[k]);
        if constexpr (K)
            przekatna_j = dodaj_wyraz(przekatna_j, ks[j]);
        f[j] = obciazenie_j;
        float* wiersz = s[j];
        wiersz[1] = przekatna_j;
        wiersz[2] = sprzezenie(eal[k]);
    }
}

// Elements are taken a cache-sized portion at a time, and the portion's nodes
// right after it. The end nodes have one element each; the missing one's terms
// are the zero that changes no bit: -0 where it is added, +0 where it is
// subtracted.
template <bool Q, bool K>
void zloz()
{
    float eal[porcja + 1], tl[porcja + 1], pol[porcja + 1]; // [0]: the element before the portion
    eal[0] = tl[0] = -0.0f;
    pol[0] = 0.0f;
    for (int od = 1; od <= il_elem; od += porcja) {
        const int ile = std::min(porcja, il_elem - od + 1);
        wyrazy_elementow<Q>(od, ile, eal, tl, pol);
        wyrazy_wezlow<Q, K>(od, ile, eal, tl, pol);
        eal[0] = eal[ile];
        tl[0] = tl[ile];
        pol[0] = pol[ile];
    }
    const int n = il_wezl;
    s[n][1] = przekatna(eal[0], -0.0f);
    s[n][2] = 0.0f;
    f[n] = obciazenie(si[n], tl[0], +0.0f);
    if constexpr (Q)
        f[n] = dodaj_wyraz(f[n], pol[0]);
    if constexpr (K)
        s[n][1] = dodaj_wyraz(s[n][1], ks[n]);
}

} // namespace

void Macierze()
{
    const ArytmetykaIeee arytmetyka;
    if (qx)
        ks ? zloz<true, true>() : zloz<true, false>();
    else
        ks ? zloz<false, true>() : zloz<false, false>();
    cnst = kara;
    for (int p = 1; p <= il_podpor; ++p)
        dodaj_kare(s[nu[p]][1], f[nu[p]], u[p]);
}
