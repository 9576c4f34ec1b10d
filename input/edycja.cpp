#include "edycja.h"

#include "model.h"
#include "pola_rekordu.h"
#include "przekroj.h"
#include "rozmowa.h"

#include <algorithm>
#include <bit>

namespace {

bool ta_sama(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

bool dozwolona_wspolrzedna(int j, float v)
{
    return v >= 0.0f && (j == 1 || v > x[j - 1]) && (j == il_wezl || v < x[j + 1]);
}

// The coordinate: until it may be stored, or nothing on "Anuluj".
std::optional<float> wspolrzedna(_ROZMOWA_& rozmowa, d_wsp& danew, int j)
{
    for (;;) {
        wpisz_numer(danew.i, j);
        wpisz_liczbe(danew.x, "%1.1f", x[j]);
        const d_wsp oferowany = danew;
        if (!rozmowa.dialog(danew, pierwsze_pole))
            return std::nullopt;
        const std::optional<float> v = wartosc_pola(danew.x, oferowany.x, x[j]);
        if (v && (ta_sama(*v, x[j]) || dozwolona_wspolrzedna(j, *v)))
            return v;
    }
}

std::optional<float> sila(_ROZMOWA_& rozmowa, d_sily& danes, int j)
{
    for (;;) {
        wpisz_numer(danes.i, j);
        wpisz_numer(danes.nr, j);
        wpisz_liczbe(danes.f, "%1.1f", si[j]);
        const d_sily oferowany = danes;
        if (!rozmowa.dialog(danes, pierwsze_pole, true))
            return std::nullopt;
        if (const std::optional<float> v = wartosc_pola(danes.f, oferowany.f, si[j]))
            return v;
    }
}

int obciazenia_po(float dawna, float nowa)
{
    if (dawna == 0.0f && nowa != 0.0f)
        return il_obciaz + 1;
    if (dawna != 0.0f && nowa == 0.0f)
        return std::max(1, il_obciaz - 1);
    return il_obciaz;
}

} // namespace

std::optional<Zmiana> edytuj_element(_ROZMOWA_& rozmowa, d_dane_przek& danep, int n)
{
    const std::optional<Przekroj> p = edytuj_przekroj(rozmowa, danep, n, {a[n], e[n], alp[n], dt[n]});
    if (!p)
        return std::nullopt;
    Zmiana z;
    z.ustaw(Wielkosc::a, n, p->a);
    z.ustaw(Wielkosc::e, n, p->e);
    z.ustaw(Wielkosc::alp, n, p->alp);
    z.ustaw(Wielkosc::dt, n, p->dt);
    return z;
}

std::optional<Zmiana> edytuj_wezel(_ROZMOWA_& rozmowa, d_wsp& danew, d_sily& danes, int j)
{
    const std::optional<float> nowe_x = wspolrzedna(rozmowa, danew, j);
    if (!nowe_x)
        return std::nullopt;
    const std::optional<float> nowa_sila = sila(rozmowa, danes, j);
    if (!nowa_sila)
        return std::nullopt;
    Zmiana z;
    z.ustaw(Wielkosc::x, j, *nowe_x);
    z.ustaw(Wielkosc::il_obciaz, 0, obciazenia_po(si[j], *nowa_sila));
    z.ustaw(Wielkosc::si, j, *nowa_sila);
    return z;
}

std::optional<Zmiana> edytuj_podpore(_ROZMOWA_& rozmowa, d_wymusz& danewy, int k)
{
    for (int wskazane = pierwsze_pole;;) {
        wpisz_numer(danewy.i, k);
        wpisz_numer(danewy.nu, nu[k]);
        wpisz_liczbe(danewy.x, "%1.1f", u[k]);
        const d_wymusz oferowany = danewy;
        if (!rozmowa.dialog(danewy, wskazane))
            return std::nullopt;
        const int wezel = calkowita(danewy.nu);
        const std::optional<float> v = wartosc_pola(danewy.x, oferowany.x, u[k]);
        if (wezel != nu[k] && (wezel < 1 || wezel > il_wezl)) {
            wskazane = d_wymusz::id_nu;
        } else if (!v || !(ta_sama(*v, u[k]) || *v >= 0.0f)) {
            wskazane = d_wymusz::id_x;
        } else {
            Zmiana z;
            z.ustaw(Wielkosc::nu, k, wezel);
            z.ustaw(Wielkosc::u, k, *v);
            return z;
        }
    }
}
