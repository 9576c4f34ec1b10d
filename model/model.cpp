#include "model.h"

#include "pom_mac.h"

#include <algorithm>
#include <climits>

int il_elem = 0;
int il_wezl = 0;
int il_podpor = 0;
int il_obciaz = 0;

float* x = nullptr;
float* a = nullptr;
float* e = nullptr;
int* nu = nullptr;
float* u = nullptr;
float* dt = nullptr;
float** s = nullptr;
float* f = nullptr;
float* si = nullptr;
float* alp = nullptr;
float* stress = nullptr;
float* react = nullptr;
float* qx = nullptr;
float* ks = nullptr;

float cnst = 0.0f;
float sx = 1.0f;
float x0 = 0.0f;
bool Pusty = true;
int pokolenie_modelu = 0;

namespace {

int komorki_reakcji(const Tablice& t) { return std::max(t.il_wezl, t.il_podpor); }

// The twelve arrays in their order from one family of allocators; false at
// the first that cannot be had (those made before stay in `t`).
template <typename Wektor, typename Iwektor, typename Macierz>
bool utworz(Tablice& t, int elementy, int podpory, int obciazenia, Wektor wektor_, Iwektor iwektor_, Macierz macierz_)
{
    t.il_elem = elementy;
    t.il_wezl = elementy + 1;
    t.il_podpor = podpory;
    t.il_obciaz = obciazenia;
    return (t.x = wektor_(1, t.il_wezl)) && (t.a = wektor_(1, t.il_elem)) && (t.e = wektor_(1, t.il_elem)) &&
           (t.nu = iwektor_(1, t.il_podpor)) && (t.u = wektor_(1, t.il_podpor)) &&
           (t.dt = wektor_(1, t.il_elem)) && (t.s = macierz_(1, t.il_wezl, 1, 2)) &&
           (t.f = wektor_(1, t.il_wezl)) && (t.si = wektor_(1, t.il_wezl)) && (t.alp = wektor_(1, t.il_wezl)) &&
           (t.stress = wektor_(1, t.il_wezl)) && (t.react = wektor_(1, komorki_reakcji(t)));
}

} // namespace

Tablice utworz_tablice(int liczba_elementow, int liczba_podpor, int liczba_obciazen)
{
    if (liczba_elementow >= INT_MAX)
        nrerror("błąd allokacji w vector()");
    Tablice t;
    utworz(t, liczba_elementow, liczba_podpor, liczba_obciazen, wektor, iwektor, macierz);
    return t;
}

std::optional<Tablice> sprobuj_utworzyc_tablice(int liczba_elementow, int liczba_podpor, int liczba_obciazen)
{
    if (liczba_elementow >= INT_MAX)
        return std::nullopt;
    Tablice t;
    if (utworz(t, liczba_elementow, liczba_podpor, liczba_obciazen, wektor_lub_nic, iwektor_lub_nic,
               macierz_lub_nic))
        return t;
    zwolnij_tablice(t);
    return std::nullopt;
}

void zwolnij_tablice(Tablice& t)
{
    uwolnij_wektor(t.x, 1, t.il_wezl);
    uwolnij_wektor(t.a, 1, t.il_elem);
    uwolnij_wektor(t.e, 1, t.il_elem);
    uwolnij_iwektor(t.nu, 1, t.il_podpor);
    uwolnij_wektor(t.u, 1, t.il_podpor);
    uwolnij_wektor(t.dt, 1, t.il_elem);
    uwolnij_macierz(t.s, 1, t.il_wezl, 1, 2);
    uwolnij_wektor(t.f, 1, t.il_wezl);
    uwolnij_wektor(t.si, 1, t.il_wezl);
    uwolnij_wektor(t.alp, 1, t.il_wezl);
    uwolnij_wektor(t.stress, 1, t.il_wezl);
    uwolnij_wektor(t.react, 1, komorki_reakcji(t));
    uwolnij_wektor(t.qx, 1, t.il_elem);
    uwolnij_wektor(t.ks, 1, t.il_wezl);
    const Tablice pusta;
    t = pusta;
}

namespace {

float* zera(int n)
{
    float* v = wektor_lub_nic(1, n);
    if (v)
        std::fill(v + 1, v + n + 1, 0.0f);
    return v;
}

} // namespace

bool dodaj_obciazenia_ciagle(Tablice& t)
{
    if (!t.qx)
        t.qx = zera(t.il_elem);
    return t.qx != nullptr;
}

bool dodaj_sprezyny(Tablice& t)
{
    if (!t.ks)
        t.ks = zera(t.il_wezl);
    return t.ks != nullptr;
}

void zainstaluj_tablice(const Tablice& t)
{
    ++pokolenie_modelu;
    podmien_tablice(t);
}

void podmien_tablice(const Tablice& t)
{
    il_elem = t.il_elem;
    il_wezl = t.il_wezl;
    il_podpor = t.il_podpor;
    il_obciaz = t.il_obciaz;
    x = t.x;
    a = t.a;
    e = t.e;
    nu = t.nu;
    u = t.u;
    dt = t.dt;
    s = t.s;
    f = t.f;
    si = t.si;
    alp = t.alp;
    stress = t.stress;
    react = t.react;
    qx = t.qx;
    ks = t.ks;
}

Tablice biezace_tablice()
{
    Tablice t;
    t.il_elem = il_elem;
    t.il_wezl = il_wezl;
    t.il_podpor = il_podpor;
    t.il_obciaz = il_obciaz;
    t.x = x;
    t.a = a;
    t.e = e;
    t.nu = nu;
    t.u = u;
    t.dt = dt;
    t.s = s;
    t.f = f;
    t.si = si;
    t.alp = alp;
    t.stress = stress;
    t.react = react;
    t.qx = qx;
    t.ks = ks;
    return t;
}

Zwolnienie zwolnij_model()
{
    if (Pusty)
        return Zwolnienie::brak_modelu;
    if (il_elem < 1 || il_wezl < 1 || il_obciaz < 1 || il_podpor < (ks ? 0 : 1))
        return Zwolnienie::zle_liczniki;
    Pusty = true;
    Tablice t = biezace_tablice();
    zwolnij_tablice(t);
    // The counts keep the last model's values; the pointers are cleared so
    // that a stray read fails at once instead of touching freed memory.
    x = a = e = u = dt = f = si = alp = stress = react = qx = ks = nullptr;
    nu = nullptr;
    s = nullptr;
    return Zwolnienie::zwolniono;
}
