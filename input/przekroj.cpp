#include "przekroj.h"

#include "pola_rekordu.h"
#include "rozmowa.h"

namespace {

Przekroj z_domyslnym_modulem(Przekroj p)
{
    if (p.e == 0.0f)
        p.e = domyslny_modul;
    return p;
}

} // namespace

void wypelnij_przekroj(d_dane_przek& danep, int nr, const Przekroj& p, Formaty formaty)
{
    const Przekroj oferta = z_domyslnym_modulem(p);
    const bool kreator = formaty == Formaty::kreatora;
    wpisz_numer(danep.NRE, nr);
    wpisz_liczbe(danep.A, kreator ? "%1.1f" : "%6.1f", oferta.a);
    wpisz_liczbe(danep.E, kreator ? "%1.1f" : "%8.1f", oferta.e);
    wpisz_liczbe(danep.alf, kreator ? "%1.10f" : "%6.10f", oferta.alp);
    wpisz_liczbe(danep.dt, kreator ? "%1.4f" : "%6.4f", oferta.dt);
}

WpisanyPrzekroj wpisany_przekroj(const d_dane_przek& danep, const d_dane_przek& oferowany,
                                 const Przekroj& oferowane_wartosci)
{
    const Przekroj o = z_domyslnym_modulem(oferowane_wartosci);
    return {wartosc_pola(danep.A, oferowany.A, o.a), wartosc_pola(danep.E, oferowany.E, o.e),
            wartosc_pola(danep.alf, oferowany.alf, o.alp), wartosc_pola(danep.dt, oferowany.dt, o.dt)};
}

bool dozwolone_pole(std::optional<float> v) { return v && *v > 0.0f; }
bool dozwolony_modul(std::optional<float> v) { return v && *v > 0.0f; }
bool dozwolony_wspolczynnik(std::optional<float> v) { return v && *v >= 0.0f; }
bool dozwolony_przyrost(std::optional<float> v) { return v && *v >= 0.0f; }

int pierwsze_niedozwolone(const WpisanyPrzekroj& w)
{
    if (!dozwolone_pole(w.a))
        return d_dane_przek::id_A;
    if (!dozwolony_modul(w.e))
        return d_dane_przek::id_E;
    if (!dozwolony_wspolczynnik(w.alp))
        return d_dane_przek::id_alf;
    if (!dozwolony_przyrost(w.dt))
        return d_dane_przek::id_dt;
    return 0;
}

std::optional<Przekroj> edytuj_przekroj(_ROZMOWA_& rozmowa, d_dane_przek& danep, int n, const Przekroj& biezacy)
{
    for (int wskazane = pierwsze_pole;;) {
        wypelnij_przekroj(danep, n, biezacy, Formaty::edycji);
        const d_dane_przek oferowany = danep;
        if (!rozmowa.dialog(danep, wskazane))
            return std::nullopt;
        const WpisanyPrzekroj w = wpisany_przekroj(danep, oferowany, biezacy);
        wskazane = pierwsze_niedozwolone(w);
        if (!wskazane)
            return Przekroj{*w.a, *w.e, *w.alp, *w.dt};
    }
}
