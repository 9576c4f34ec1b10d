#include "przebudowa.h"

#include "model.h"
#include "zmiana.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace {

// The new model in terms of the old one: for each new node, element and
// support the old one it comes from (0: a new one, filled by the caller), and
// the new number of an old node.
struct Mapa {
    std::int64_t il_elem, il_podpor;
    std::function<int(int)> wezel, element, podpora, numer_wezla;
};

void wypelnij_wezly(Tablice& n, const Mapa& m)
{
    for (int j = 1; j <= n.il_wezl; ++j) {
        const int z = m.wezel(j);
        n.x[j] = z ? x[z] : 0.0f;
        n.si[j] = z ? si[z] : 0.0f;
        n.f[j] = n.si[j];
        n.s[j][1] = n.s[j][2] = 0.0f;
        if (n.ks)
            n.ks[j] = z ? ks[z] : 0.0f;
    }
}

void wypelnij_elementy(Tablice& n, const Mapa& m)
{
    for (int i = 1; i <= n.il_elem; ++i) {
        const int z = m.element(i);
        n.a[i] = z ? a[z] : 0.0f;
        n.e[i] = z ? e[z] : 0.0f;
        n.alp[i] = z ? alp[z] : 0.0f;
        n.dt[i] = z ? dt[z] : 0.0f;
        n.stress[i] = 0.0f;
        if (n.qx)
            n.qx[i] = z ? qx[z] : 0.0f;
    }
}

void wypelnij_podpory(Tablice& n, const Mapa& m)
{
    for (int k = 1; k <= n.il_podpor; ++k) {
        const int z = m.podpora(k);
        n.nu[k] = z ? m.numer_wezla(nu[z]) : 1;
        n.u[k] = z ? u[z] : 0.0f;
    }
    for (int k = 1; k <= std::max(n.il_wezl, n.il_podpor); ++k)
        n.react[k] = 0.0f;
}

// The held model made anew after `m`; false, with the model as it was, when
// the counts are beyond a file's or the memory cannot be had.
bool przebuduj(const Mapa& m)
{
    if (m.il_elem < 1 || m.il_elem > INT_MAX - 1 || m.il_podpor < 0 || m.il_podpor > INT_MAX)
        return false;
    std::optional<Tablice> t = sprobuj_utworzyc_tablice(int(m.il_elem), int(m.il_podpor), il_obciaz);
    if (!t)
        return false;
    Tablice n = *t;
    if ((qx && !dodaj_obciazenia_ciagle(n)) || (ks && !dodaj_sprezyny(n))) {
        zwolnij_tablice(n);
        return false;
    }
    wypelnij_wezly(n, m);
    wypelnij_elementy(n, m);
    wypelnij_podpory(n, m);
    Tablice stare = biezace_tablice();
    podmien_tablice(n);
    zwolnij_tablice(stare);
    return true;
}

int bez_zmian(int k) { return k; }

void ustaw_element(int i, const DaneElementu& d)
{
    a[i] = d.a;
    e[i] = d.e;
    alp[i] = d.alp;
    dt[i] = d.dt;
    if (qx)
        qx[i] = d.q;
}

} // namespace

DaneElementu dane_elementu(int i) { return {a[i], e[i], alp[i], dt[i], obciazenie_ciagle(i)}; }

bool podziel_element(int i, float x_nowy)
{
    const Mapa m{il_elem + std::int64_t{1}, il_podpor, [i](int j) { return j <= i ? j : j == i + 1 ? 0 : j - 1; },
                 [i](int k) { return k <= i ? k : k - 1; }, bez_zmian, [i](int j) { return j <= i ? j : j + 1; }};
    if (!przebuduj(m))
        return false;
    x[i + 1] = x_nowy;
    return true;
}

bool zlacz_w_wezle(int j)
{
    const Mapa m{il_elem - std::int64_t{1}, il_podpor, [j](int w) { return w < j ? w : w + 1; },
                 [j](int k) { return k < j ? k : k + 1; }, bez_zmian, [j](int w) { return w < j ? w : w - 1; }};
    return przebuduj(m);
}

bool dodaj_element(Koniec gdzie, float x_nowy, const DaneElementu& dane)
{
    const bool na_poczatku = gdzie == Koniec::poczatek;
    const int nowy_wezel = il_wezl + 1, nowy_element = il_elem + 1; // at the end
    const Mapa m{il_elem + std::int64_t{1}, il_podpor,
                 [=](int j) { return na_poczatku ? j - 1 : j == nowy_wezel ? 0 : j; },
                 [=](int k) { return na_poczatku ? k - 1 : k == nowy_element ? 0 : k; }, bez_zmian,
                 [=](int j) { return na_poczatku ? j + 1 : j; }};
    if (!przebuduj(m))
        return false;
    const int wezel = na_poczatku ? 1 : il_wezl, element = na_poczatku ? 1 : il_elem;
    x[wezel] = x_nowy;
    ustaw_element(element, dane);
    return true;
}

bool usun_element(Koniec gdzie)
{
    const bool na_poczatku = gdzie == Koniec::poczatek;
    const Mapa m{il_elem - std::int64_t{1}, il_podpor, [na_poczatku](int j) { return na_poczatku ? j + 1 : j; },
                 [na_poczatku](int k) { return na_poczatku ? k + 1 : k; }, bez_zmian,
                 [na_poczatku](int j) { return na_poczatku ? j - 1 : j; }};
    return przebuduj(m);
}

bool dodaj_podpore(int k, int wezel, float przemieszczenie)
{
    const Mapa m{il_elem, il_podpor + std::int64_t{1}, bez_zmian, bez_zmian,
                 [k](int p) { return p < k ? p : p == k ? 0 : p - 1; }, bez_zmian};
    if (!przebuduj(m))
        return false;
    nu[k] = wezel;
    u[k] = przemieszczenie;
    return true;
}

bool usun_podpore(int k)
{
    const Mapa m{il_elem, il_podpor - std::int64_t{1}, bez_zmian, bez_zmian, [k](int p) { return p < k ? p : p + 1; },
                 bez_zmian};
    return przebuduj(m);
}

// New node j lies in old element (j - 1) / czesci + 1, part (j - 1) % czesci of it.
bool podziel_kazdy(int czesci)
{
    const std::int64_t ne = std::int64_t{il_elem} * czesci;
    const Mapa m{ne, il_podpor, [czesci](int j) { return (j - 1) % czesci ? 0 : (j - 1) / czesci + 1; },
                 [czesci](int k) { return (k - 1) / czesci + 1; }, bez_zmian,
                 [czesci](int j) { return (j - 1) * czesci + 1; }};
    std::vector<float> stare_x(x + 1, x + il_wezl + 1);
    if (!przebuduj(m))
        return false;
    for (int j = 1; j <= il_wezl; ++j)
        if (const int czesc = (j - 1) % czesci) {
            const double x1 = stare_x[std::size_t((j - 1) / czesci)], x2 = stare_x[std::size_t((j - 1) / czesci + 1)];
            x[j] = float(x1 + (x2 - x1) * czesc / czesci);
        }
    return true;
}

bool scal_czesci(int czesci)
{
    const Mapa m{il_elem / czesci, il_podpor, [czesci](int j) { return (j - 1) * czesci + 1; },
                 [czesci](int k) { return (k - 1) * czesci + 1; }, bez_zmian,
                 [czesci](int j) { return (j - 1) / czesci + 1; }};
    return przebuduj(m);
}

namespace {

bool zmieniony(bool zrobiona)
{
    if (zrobiona)
        zaznacz_zmiane();
    return zrobiona;
}

} // namespace

bool wykonaj(const Przeksztalcenie& p)
{
    using enum Przeksztalcenie::Rodzaj;
    switch (p.rodzaj) {
    case podzial: return zmieniony(podziel_element(p.numer, p.x));
    case zlaczenie: return zmieniony(zlacz_w_wezle(p.numer));
    case dodanie_elementu: return zmieniony(dodaj_element(p.koniec, p.x, p.dane));
    case usuniecie_elementu: return zmieniony(usun_element(p.koniec));
    case dodanie_podpory: return zmieniony(dodaj_podpore(p.numer, p.wezel, p.x));
    case usuniecie_podpory: return zmieniony(usun_podpore(p.numer));
    case podzial_kazdego: return zmieniony(podziel_kazdy(p.numer));
    }
    return false;
}

bool cofnij(const Przeksztalcenie& p)
{
    using enum Przeksztalcenie::Rodzaj;
    switch (p.rodzaj) {
    case podzial: return zmieniony(zlacz_w_wezle(p.numer + 1));
    case zlaczenie: return zmieniony(podziel_element(p.numer - 1, p.x));
    case dodanie_elementu: return zmieniony(usun_element(p.koniec));
    case usuniecie_elementu: return zmieniony(dodaj_element(p.koniec, p.x, p.dane));
    case dodanie_podpory: return zmieniony(usun_podpore(p.numer));
    case usuniecie_podpory: return zmieniony(dodaj_podpore(p.numer, p.wezel, p.x));
    case podzial_kazdego: return zmieniony(scal_czesci(p.numer));
    }
    return false;
}
