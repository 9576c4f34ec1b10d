// The new-model wizard: the three counts, then a dialog per element, node,
// support and force. Invalid input shows the same dialog again; "Anuluj"
// abandons the new model.

#include "okno.h"

#include "model.h"
#include "pola_rekordu.h"
#include "teksty.h"

#include <algorithm>

namespace {

// Every array zeroed, as the dialogs' first defaults expect.
Tablice nowe_tablice(int elementy, int podpory, int obciazenia)
{
    Tablice t = utworz_tablice(elementy, podpory, obciazenia);
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

} // namespace

void _OKNO_::Cm_Nowy()
{
    if (!Pusty) {
        if (!rozmowa_->pytanie(teksty::utworzyc_nowe, teksty::tytul_programu))
            return;
        Zwol_pam();
        if (!Pusty)
            return; // the release was refused: the model stays
    }
    zamknij_tabele();
    update();
    il_elem = 2;
    il_podpor = 1;
    il_obciaz = 1;
    wpisz_numer(dane.d_il_elem, il_elem);
    wpisz_numer(dane.d_il_przem, il_podpor);
    wpisz_numer(dane.d_il_sil, il_obciaz);
    if (rozmowa_->dialog(3000, &dane))
        utworz_nowy_model();
    update();
}

void _OKNO_::utworz_nowy_model()
{
    const int elementy = calkowita(dane.d_il_elem), podpory = calkowita(dane.d_il_przem),
              obciazenia = calkowita(dane.d_il_sil);
    if (elementy <= 0 || podpory <= 0 || obciazenia <= 0 || podpory >= 3)
        return;
    il_elem = elementy;
    il_podpor = podpory;
    il_obciaz = obciazenia;
    il_wezl = il_elem + 1;
    Tablice t = nowe_tablice(il_elem, il_podpor, il_obciaz);
    const bool wpisano = wpisz_elementy(t) && wpisz_wezly(t) && wpisz_podpory(t) && wpisz_sily(t);
    if (!wpisano) {
        zwolnij_tablice(t);
        return;
    }
    zainstaluj_tablice(t);
    Macierze();
    Oblicz();
    Pusty = false;
}

// Each accepted field is stored; the element is done once all four stored values are valid.
bool _OKNO_::wpisz_elementy(Tablice& t)
{
    for (int i = 1; i <= t.il_elem;) {
        if (t.e[i] == 0.0f)
            t.e[i] = 20000000.0f;
        wpisz_numer(danep.NRE, i);
        wpisz_liczbe(danep.A, "%1.1f", t.a[i]);
        wpisz_liczbe(danep.E, "%1.1f", t.e[i]);
        wpisz_liczbe(danep.alf, "%1.10f", t.alp[i]);
        wpisz_liczbe(danep.dt, "%1.4f", t.dt[i]);
        if (!rozmowa_->dialog(3010, &danep))
            return false;
        if (const auto v = rzeczywista(danep.A); v && *v > 0.0f)
            t.a[i] = *v;
        if (const auto v = rzeczywista(danep.E); v && *v > 0.0f)
            t.e[i] = *v;
        if (const auto v = rzeczywista(danep.alf); v && *v >= 0.0f)
            t.alp[i] = *v;
        if (const auto v = rzeczywista(danep.dt); v && *v >= 0.0f)
            t.dt[i] = *v;
        if (t.a[i] > 0.0f && t.e[i] > 0.0f && t.alp[i] >= 0.0f && t.dt[i] >= 0.0f)
            ++i;
    }
    return true;
}

// Coordinates from 0 up, each above the one before.
bool _OKNO_::wpisz_wezly(Tablice& t)
{
    for (int i = 1; i <= t.il_wezl;) {
        wpisz_numer(danew.i, i);
        wpisz_liczbe(danew.x, "%1.1f", t.x[i]);
        if (!rozmowa_->dialog(3020, &danew))
            return false;
        const auto v = rzeczywista(danew.x);
        if (v && *v >= 0.0f && (i == 1 || *v > t.x[i - 1])) {
            t.x[i] = *v;
            ++i;
        }
    }
    return true;
}

bool _OKNO_::wpisz_podpory(Tablice& t)
{
    for (int i = 1; i <= t.il_podpor;) {
        wpisz_numer(danewy.i, i);
        wpisz_numer(danewy.nu, t.nu[i]);
        if (t.nu[i] > 0)
            wpisz_liczbe(danewy.x, "%1.1f", t.u[i]);
        else
            wpisz(danewy.x, "0.0");
        if (!rozmowa_->dialog(3030, &danewy))
            return false;
        bool przyjete = true;
        const int wezel = calkowita(danewy.nu);
        if (wezel >= 1 && wezel <= t.il_wezl)
            t.nu[i] = wezel;
        else
            przyjete = false;
        const auto v = rzeczywista(danewy.x);
        if (t.nu[i] > 0 && v && *v >= 0.0f)
            t.u[i] = *v;
        else
            przyjete = false;
        if (przyjete)
            ++i;
    }
    return true;
}

// A force goes to the node typed in the same showing, never to one offered
// before: a refused node number stores nothing.
bool _OKNO_::wpisz_sily(Tablice& t)
{
    int nr = 1;
    for (int i = 1; i <= t.il_obciaz;) {
        wpisz_numer(danes.i, i);
        wpisz_numer(danes.nr, nr);
        wpisz_liczbe(danes.f, "%1.1f", t.f[nr]);
        if (!rozmowa_->dialog(3040, &danes))
            return false;
        const int wezel = calkowita(danes.nr);
        const bool wezel_przyjety = wezel >= 1 && wezel <= t.il_wezl;
        if (wezel_przyjety)
            nr = wezel;
        const auto v = rzeczywista(danes.f);
        if (wezel_przyjety && v && *v != 0.0f) {
            t.f[nr] = t.si[nr] = *v;
            ++i;
        }
    }
    return true;
}
