// Editing one element's section: all four values or none.

#include "okno.h"

#include "model.h"
#include "pola_rekordu.h"

void _OKNO_::zmien_p(int n)
{
    if (Pusty)
        return;
    zamknij_tabele();
    for (;;) {
        if (e[n] == 0.0f)
            e[n] = 20000000.0f;
        wpisz_numer(danep.NRE, n);
        wpisz_liczbe(danep.A, "%6.1f", a[n]);
        wpisz_liczbe(danep.E, "%8.1f", e[n]);
        wpisz_liczbe(danep.alf, "%6.10f", alp[n]);
        wpisz_liczbe(danep.dt, "%6.4f", dt[n]);
        if (!rozmowa_->dialog(3010, &danep))
            return;
        const auto pole = rzeczywista(danep.A), modul = rzeczywista(danep.E), wsp = rzeczywista(danep.alf),
                   przyrost = rzeczywista(danep.dt);
        if (pole && modul && wsp && przyrost && *pole > 0.0f && *modul > 0.0f && *wsp >= 0.0f && *przyrost >= 0.0f) {
            a[n] = *pole;
            e[n] = *modul;
            alp[n] = *wsp;
            dt[n] = *przyrost;
            Macierze();
            Oblicz();
            return;
        }
    }
}
