#include "edycja.h"

#include "model.h"
#include "pola_rekordu.h"
#include "przekroj.h"
#include "rozmowa.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

bool ta_sama(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// On the same side of the neighbour as the node is now: the bar keeps its
// order, whichever way its coordinates run.
bool po_tej_samej_stronie(float v, float teraz, float sasiad)
{
    return (teraz > sasiad && v > sasiad) || (teraz < sasiad && v < sasiad);
}

bool dozwolona_wspolrzedna(int j, float v)
{
    return v >= 0.0f && (j == 1 || po_tej_samej_stronie(v, x[j], x[j - 1])) &&
           (j == il_wezl || po_tej_samej_stronie(v, x[j], x[j + 1]));
}

// The coordinate: until it may be stored, or nothing on "Anuluj" (or when
// the model is no longer the edit's own).
std::optional<float> wspolrzedna(_ROZMOWA_& rozmowa, d_wsp& danew, int j, const Zmiana& z)
{
    for (;;) {
        wpisz_numer(danew.i, j);
        wpisz_liczbe(danew.x, "%1.1f", x[j]);
        const d_wsp oferowany = danew;
        if (!rozmowa.dialog(danew, pierwsze_pole) || !z.pasuje())
            return std::nullopt;
        const std::optional<float> v = wartosc_pola(danew.x, oferowany.x, x[j]);
        if (v && (ta_sama(*v, x[j]) || dozwolona_wspolrzedna(j, *v)))
            return v;
    }
}

std::optional<float> sila(_ROZMOWA_& rozmowa, d_sily& danes, int j, const Zmiana& z)
{
    for (;;) {
        wpisz_numer(danes.i, j);
        wpisz_numer(danes.nr, j);
        wpisz_liczbe(danes.f, "%1.1f", si[j]);
        const d_sily oferowany = danes;
        if (!rozmowa.dialog(danes, pierwsze_pole, true) || !z.pasuje())
            return std::nullopt;
        if (const std::optional<float> v = wartosc_pola(danes.f, oferowany.f, si[j]))
            return v;
    }
}

// Nodes with a force once node j's force is `nowa`: a file has at least one.
int obciazone_wezly(int j, float nowa)
{
    std::int64_t ile = nowa != 0.0f;
    for (int k = 1; k <= il_wezl; ++k)
        ile += k != j && si[k] != 0.0f;
    return int(std::clamp<std::int64_t>(ile, 1, il_wezl));
}

} // namespace

std::optional<Zmiana> edytuj_element(_ROZMOWA_& rozmowa, d_dane_przek& danep, int n)
{
    Zmiana z;
    const std::optional<Przekroj> p = edytuj_przekroj(rozmowa, danep, n, {a[n], e[n], alp[n], dt[n]});
    if (!p || !z.pasuje())
        return przerwana(std::move(z));
    z.ustaw(Wielkosc::a, n, p->a);
    z.ustaw(Wielkosc::e, n, p->e);
    z.ustaw(Wielkosc::alp, n, p->alp);
    z.ustaw(Wielkosc::dt, n, p->dt);
    return z;
}

std::optional<Zmiana> edytuj_wezel(_ROZMOWA_& rozmowa, d_wsp& danew, d_sily& danes, int j)
{
    Zmiana z;
    const std::optional<float> nowe_x = wspolrzedna(rozmowa, danew, j, z);
    if (!nowe_x)
        return przerwana(std::move(z));
    const std::optional<float> nowa_sila = sila(rozmowa, danes, j, z);
    if (!nowa_sila)
        return przerwana(std::move(z));
    z.ustaw(Wielkosc::x, j, *nowe_x);
    if (!ta_sama(*nowa_sila, si[j]))
        z.ustaw(Wielkosc::il_obciaz, 0, obciazone_wezly(j, *nowa_sila));
    z.ustaw(Wielkosc::si, j, *nowa_sila);
    return z;
}

std::optional<Zmiana> edytuj_podpore(_ROZMOWA_& rozmowa, d_wymusz& danewy, int k)
{
    Zmiana z;
    for (int wskazane = pierwsze_pole;;) {
        wpisz_numer(danewy.i, k);
        wpisz_numer(danewy.nu, nu[k]);
        wpisz_liczbe(danewy.x, "%1.1f", u[k]);
        const d_wymusz oferowany = danewy;
        if (!rozmowa.dialog(danewy, wskazane) || !z.pasuje())
            return przerwana(std::move(z));
        const int wezel = numer_pola(danewy.nu, oferowany.nu, nu[k]);
        const std::optional<float> v = wartosc_pola(danewy.x, oferowany.x, u[k]);
        if (wezel != nu[k] && (wezel < 1 || wezel > il_wezl)) {
            wskazane = d_wymusz::id_nu;
        } else if (!v || !(ta_sama(*v, u[k]) || *v >= 0.0f)) {
            wskazane = d_wymusz::id_x;
        } else {
            z.ustaw(Wielkosc::nu, k, wezel);
            z.ustaw(Wielkosc::u, k, *v);
            return z;
        }
    }
}
