// The new-model wizard: the three counts, then a dialog per element, node,
// support and force.

#include "kreator.h"

#include "pola_rekordu.h"
#include "przekroj.h"
#include "rozmowa.h"

#include <algorithm>

namespace {

struct Liczniki {
    int elementy, podpory, obciazenia;
};

// At most two supports; the label's "(>2)" is not enforced.
std::optional<Liczniki> podstawowe(_ROZMOWA_& rozmowa, d_dane_pods& dane)
{
    wpisz_numer(dane.d_il_elem, 2);
    wpisz_numer(dane.d_il_przem, 1);
    wpisz_numer(dane.d_il_sil, 1);
    if (!rozmowa.dialog(dane, pierwsze_pole))
        return std::nullopt;
    const Liczniki l{calkowita(dane.d_il_elem), calkowita(dane.d_il_przem), calkowita(dane.d_il_sil)};
    if (l.elementy <= 0 || l.podpory <= 0 || l.obciazenia <= 0 || l.podpory >= 3)
        return std::nullopt;
    return l;
}

// Every array zeroed, as the dialogs' first defaults expect.
Tablice nowe_tablice(const Liczniki& l)
{
    Tablice t = utworz_tablice(l.elementy, l.podpory, l.obciazenia);
    const int komorki = std::max(t.il_wezl, t.il_podpor);
    for (float* v : {t.x, t.f, t.si, t.alp, t.stress})
        std::fill(v + 1, v + t.il_wezl + 1, 0.0f);
    std::fill(t.react + 1, t.react + komorki + 1, 0.0f);
    for (float* v : {t.a, t.e, t.dt})
        std::fill(v + 1, v + t.il_elem + 1, 0.0f);
    std::fill(t.nu + 1, t.nu + t.il_podpor + 1, 0);
    std::fill(t.u + 1, t.u + t.il_podpor + 1, 0.0f);
    for (int j = 1; j <= t.il_wezl; ++j)
        t.s[j][1] = t.s[j][2] = 0.0f;
    return t;
}

// Each acceptable field is stored; the element is done once all four stored
// values are valid.
bool elementy(_ROZMOWA_& rozmowa, d_dane_przek& danep, Tablice& t)
{
    int wskazane = pierwsze_pole;
    for (int i = 1; i <= t.il_elem;) {
        if (t.e[i] == 0.0f)
            t.e[i] = domyslny_modul;
        const Przekroj biezacy{t.a[i], t.e[i], t.alp[i], t.dt[i]};
        wypelnij_przekroj(danep, i, biezacy, Formaty::kreatora);
        const d_dane_przek oferowany = danep;
        if (!rozmowa.dialog(danep, wskazane))
            return false;
        const WpisanyPrzekroj w = wpisany_przekroj(danep, oferowany, biezacy);
        if (dozwolone_pole(w.a))
            t.a[i] = *w.a;
        if (dozwolony_modul(w.e))
            t.e[i] = *w.e;
        if (dozwolony_wspolczynnik(w.alp))
            t.alp[i] = *w.alp;
        if (dozwolony_przyrost(w.dt))
            t.dt[i] = *w.dt;
        wskazane = pierwsze_niedozwolone({t.a[i], t.e[i], t.alp[i], t.dt[i]});
        i += wskazane == pierwsze_pole;
    }
    return true;
}

// Coordinates from 0 up, each above the one before.
bool wezly(_ROZMOWA_& rozmowa, d_wsp& danew, Tablice& t)
{
    for (int i = 1; i <= t.il_wezl;) {
        wpisz_numer(danew.i, i);
        wpisz_liczbe(danew.x, "%1.1f", t.x[i]);
        const d_wsp oferowany = danew;
        if (!rozmowa.dialog(danew, pierwsze_pole))
            return false;
        const auto v = wartosc_pola(danew.x, oferowany.x, t.x[i]);
        if (v && *v >= 0.0f && (i == 1 || *v > t.x[i - 1]))
            t.x[i++] = *v;
    }
    return true;
}

bool podpory(_ROZMOWA_& rozmowa, d_wymusz& danewy, Tablice& t)
{
    int wskazane = pierwsze_pole;
    for (int i = 1; i <= t.il_podpor;) {
        wpisz_numer(danewy.i, i);
        wpisz_numer(danewy.nu, t.nu[i]);
        if (t.nu[i] > 0)
            wpisz_liczbe(danewy.x, "%1.1f", t.u[i]);
        else
            wpisz(danewy.x, "0.0");
        const d_wymusz oferowany = danewy;
        const float oferowane_u = t.nu[i] > 0 ? t.u[i] : 0.0f;
        if (!rozmowa.dialog(danewy, wskazane))
            return false;
        wskazane = pierwsze_pole;
        const int wezel = calkowita(danewy.nu);
        if (wezel >= 1 && wezel <= t.il_wezl)
            t.nu[i] = wezel;
        else
            wskazane = d_wymusz::id_nu;
        const auto v = wartosc_pola(danewy.x, oferowany.x, oferowane_u);
        if (t.nu[i] > 0 && v && *v >= 0.0f)
            t.u[i] = *v;
        else if (wskazane == pierwsze_pole)
            wskazane = d_wymusz::id_x;
        i += wskazane == pierwsze_pole;
    }
    return true;
}

// A force goes to the node typed in the same showing, never to one offered
// before: a refused node number stores nothing.
bool sily(_ROZMOWA_& rozmowa, d_sily& danes, Tablice& t)
{
    int nr = 1, wskazane = pierwsze_pole;
    for (int i = 1; i <= t.il_obciaz;) {
        wpisz_numer(danes.i, i);
        wpisz_numer(danes.nr, nr);
        wpisz_liczbe(danes.f, "%1.1f", t.f[nr]);
        const d_sily oferowany = danes;
        const float oferowana_sila = t.f[nr];
        if (!rozmowa.dialog(danes, wskazane))
            return false;
        const int wezel = calkowita(danes.nr);
        const bool wezel_przyjety = wezel >= 1 && wezel <= t.il_wezl;
        if (wezel_przyjety)
            nr = wezel;
        const auto v = wartosc_pola(danes.f, oferowany.f, oferowana_sila);
        wskazane = !wezel_przyjety ? d_sily::id_nr : !(v && *v != 0.0f) ? d_sily::id_f : pierwsze_pole;
        if (wskazane == pierwsze_pole) {
            t.f[nr] = t.si[nr] = *v;
            ++i;
        }
    }
    return true;
}

} // namespace

std::optional<Tablice> kreator(_ROZMOWA_& rozmowa, const RekordyDialogow& r)
{
    const std::optional<Liczniki> liczniki = podstawowe(rozmowa, r.dane);
    if (!liczniki)
        return std::nullopt;
    Tablice t = nowe_tablice(*liczniki);
    if (elementy(rozmowa, r.danep, t) && wezly(rozmowa, r.danew, t) && podpory(rozmowa, r.danewy, t) &&
        sily(rozmowa, r.danes, t))
        return t;
    zwolnij_tablice(t);
    return std::nullopt;
}
