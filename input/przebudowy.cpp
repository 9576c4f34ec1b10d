#include "przebudowy.h"

#include "model.h"
#include "pola_rekordu.h"
#include "przekroj.h"
#include "rozmowa.h"

#include <QStringList>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

using Ikona = _ROZMOWA_::Ikona;

bool te_same_bity(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// What differs between elements i and i + 1, in words; empty when nothing.
QStringList roznice(int i)
{
    const DaneElementu l = dane_elementu(i), p = dane_elementu(i + 1);
    QStringList r;
    if (!te_same_bity(l.a, p.a))
        r << QString("pole przekroju (%1 i %2)").arg(double(l.a)).arg(double(p.a));
    if (!te_same_bity(l.e, p.e))
        r << QString("moduł Younga (%1 i %2)").arg(double(l.e)).arg(double(p.e));
    if (!te_same_bity(l.alp, p.alp))
        r << QString("współczynnik rozszerzalności cieplnej (%1 i %2)").arg(double(l.alp)).arg(double(p.alp));
    if (!te_same_bity(l.dt, p.dt))
        r << QString("przyrost temperatury (%1 i %2)").arg(double(l.dt)).arg(double(p.dt));
    if (!te_same_bity(l.q, p.q))
        r << QString("obciążenie ciągłe (%1 i %2)").arg(double(l.q)).arg(double(p.q));
    return r;
}

// What node j carries, in words; empty when nothing. A force or spring of
// -0 counts as one: undoing the change would not give its sign back.
QStringList obciazenia_wezla(int j)
{
    QStringList r;
    if (const int k = podpora_w_wezle(j))
        r << QString("podpora %1").arg(k);
    if (!te_same_bity(sztywnosc_sprezyny(j), 0.0f))
        r << "sprężyna";
    if (!te_same_bity(si[j], 0.0f))
        r << "siła";
    return r;
}

bool elementow_w_pliku(long long ile, _ROZMOWA_& rozmowa, const QString& tytul)
{
    if (ile <= najwiecej_elementow)
        return true;
    rozmowa.komunikat(QString("Pręt miałby %1 elementów, a plik M1D mieści ich najwyżej %2: "
                              "zmiana nie została wprowadzona.")
                          .arg(ile)
                          .arg(najwiecej_elementow),
                      tytul, Ikona::wykrzyknik);
    return false;
}


} // namespace

int podpora_w_wezle(int j)
{
    for (int k = 1; k <= il_podpor; ++k)
        if (nu[k] == j)
            return k;
    return 0;
}

std::optional<Przeksztalcenie> podzial_elementu(_ROZMOWA_& rozmowa, d_podzial& dane, int i)
{
    const char* tytul = "Podziel element";
    for (int wskazane = pierwsze_pole;;) {
        const float srodek = float((double(x[i]) + double(x[i + 1])) / 2.0);
        wpisz_numer(dane.i, i);
        wpisz_liczbe(dane.x, "%1.4f", srodek);
        const d_podzial oferowany = dane;
        if (!rozmowa.dialog(dane, wskazane))
            return std::nullopt;
        const int n = numer_pola(dane.i, oferowany.i, i);
        if (n < 1 || n > il_elem) {
            wskazane = d_podzial::id_i;
            continue;
        }
        // A coordinate left as offered is the middle of the element chosen.
        i = n;
        const float srodek_wybranego = float((double(x[i]) + double(x[i + 1])) / 2.0);
        const std::optional<float> v = wartosc_pola(dane.x, oferowany.x, srodek_wybranego);
        const float lo = std::fmin(x[i], x[i + 1]), hi = std::fmax(x[i], x[i + 1]);
        if (!v || !(*v > lo && *v < hi)) {
            if (v)
                rozmowa.komunikat(
                    QString("Współrzędna %1 nie leży ściśle między węzłami %2 (x = %3) i %4 (x = %5) "
                            "elementu %6.")
                        .arg(double(*v))
                        .arg(i)
                        .arg(double(x[i]))
                        .arg(i + 1)
                        .arg(double(x[i + 1]))
                        .arg(i),
                    tytul, Ikona::wykrzyknik);
            wskazane = d_podzial::id_x;
            continue;
        }
        if (!elementow_w_pliku(il_elem + 1LL, rozmowa, tytul))
            return std::nullopt;
        return Przeksztalcenie{Przeksztalcenie::Rodzaj::podzial, i, 0, Koniec::koniec, *v, {}};
    }
}

std::optional<Przeksztalcenie> zlaczenie_w_wezle(_ROZMOWA_& rozmowa, d_zlaczenie& dane, int j, bool zapytaj)
{
    const char* tytul = "Złącz elementy w węźle";
    for (int wskazane = pierwsze_pole; zapytaj;) {
        wpisz_numer(dane.i, j);
        const d_zlaczenie oferowany = dane;
        if (!rozmowa.dialog(dane, wskazane))
            return std::nullopt;
        j = numer_pola(dane.i, oferowany.i, j);
        if (j >= 1 && j <= il_wezl)
            break;
        wskazane = d_zlaczenie::id_i;
    }
    QStringList powody;
    if (j <= 1 || j >= il_wezl) {
        powody << "to koniec pręta, a nie węzeł między dwoma elementami";
    } else {
        const QStringList w = obciazenia_wezla(j);
        if (!w.isEmpty())
            powody << "w węźle jest " + w.join(", ");
        const QStringList r = roznice(j - 1);
        if (!r.isEmpty())
            powody << QString("elementy %1 i %2 różnią się: %3").arg(j - 1).arg(j).arg(r.join(", "));
    }
    if (!powody.isEmpty()) {
        rozmowa.komunikat(
            QString("Nie można złączyć elementów w węźle %1: %2.").arg(j).arg(powody.join("; ")), tytul,
            Ikona::wykrzyknik);
        return std::nullopt;
    }
    return Przeksztalcenie{Przeksztalcenie::Rodzaj::zlaczenie, j, 0, Koniec::koniec, x[j], dane_elementu(j)};
}

std::optional<Przeksztalcenie> nowy_element(_ROZMOWA_& rozmowa, d_nowy_element& dane, Koniec gdzie)
{
    const bool na_poczatku = gdzie == Koniec::poczatek;
    const int el = na_poczatku ? 1 : il_elem, wezel = na_poczatku ? 1 : il_wezl,
              sasiad = na_poczatku ? 2 : il_wezl - 1;
    // Outwards: away from the neighbour, the way the bar runs there.
    const double kierunek = x[wezel] >= x[sasiad] ? 1.0 : -1.0;
    const float dlugosc = float(std::fabs(double(x[wezel]) - double(x[sasiad])));
    DaneElementu d = dane_elementu(el);
    for (int wskazane = pierwsze_pole;;) {
        wpisz_liczbe(dane.l, "%1.4f", dlugosc);
        wpisz_liczbe(dane.A, "%1.4f", d.a);
        wpisz_liczbe(dane.E, "%1.1f", d.e);
        const d_nowy_element oferowany = dane;
        if (!rozmowa.dialog(dane, wskazane))
            return std::nullopt;
        const std::optional<float> l = wartosc_pola(dane.l, oferowany.l, dlugosc);
        const std::optional<float> a = wartosc_pola(dane.A, oferowany.A, d.a);
        const std::optional<float> e = wartosc_pola(dane.E, oferowany.E, d.e);
        const double x_nowe = l ? double(x[wezel]) + kierunek * double(*l) : 0.0;
        const float x_nowy = float(x_nowe);
        if (!l || !(*l > 0.0f) || !(std::fabs(x_nowe) <= 3.4028234663852886e38) || x_nowy == x[wezel]) {
            wskazane = d_nowy_element::id_l;
        } else if (!dozwolone_pole(a)) {
            wskazane = d_nowy_element::id_A;
        } else if (!dozwolony_modul(e)) {
            wskazane = d_nowy_element::id_E;
        } else {
            if (!elementow_w_pliku(il_elem + 1LL, rozmowa, "Dodaj element"))
                return std::nullopt;
            d.a = *a;
            d.e = *e;
            return Przeksztalcenie{Przeksztalcenie::Rodzaj::dodanie_elementu, 0, 0, gdzie, x_nowy, d};
        }
    }
}

std::optional<Przeksztalcenie> usuniecie_elementu(_ROZMOWA_& rozmowa, Koniec gdzie)
{
    const bool na_poczatku = gdzie == Koniec::poczatek;
    const int el = na_poczatku ? 1 : il_elem, wezel = na_poczatku ? 1 : il_wezl;
    QString powod;
    if (il_elem < 2) {
        powod = "pręt ma tylko ten jeden element";
    } else if (const QStringList w = obciazenia_wezla(wezel); !w.isEmpty()) {
        powod = QString("w jego węźle końcowym %1 jest %2").arg(wezel).arg(w.join(", "));
    }
    if (!powod.isEmpty()) {
        rozmowa.komunikat(QString("Nie można usunąć elementu %1: %2.").arg(el).arg(powod), "Usuń element",
                          Ikona::wykrzyknik);
        return std::nullopt;
    }
    return Przeksztalcenie{
        Przeksztalcenie::Rodzaj::usuniecie_elementu, 0, 0, gdzie, x[wezel], dane_elementu(el)};
}

std::optional<Przeksztalcenie> nowa_podpora(_ROZMOWA_& rozmowa, d_wymusz& dane, int j)
{
    const int k = il_podpor + 1;
    for (int wskazane = pierwsze_pole;;) {
        wpisz_numer(dane.i, k);
        wpisz_numer(dane.nu, j);
        wpisz_liczbe(dane.x, "%1.1f", 0.0f);
        const d_wymusz oferowany = dane;
        if (!rozmowa.dialog(dane, wskazane))
            return std::nullopt;
        const int wezel = numer_pola(dane.nu, oferowany.nu, j);
        const std::optional<float> v = wartosc_pola(dane.x, oferowany.x, 0.0f);
        if (wezel < 1 || wezel > il_wezl) {
            wskazane = d_wymusz::id_nu;
            continue;
        }
        j = wezel;
        if (!v || !(*v >= 0.0f)) {
            wskazane = d_wymusz::id_x;
        } else if (const int jest = podpora_w_wezle(wezel)) {
            rozmowa.komunikat(QString("W węźle %1 jest już podpora %2.").arg(wezel).arg(jest),
                              "Dodaj podporę", Ikona::wykrzyknik);
            wskazane = d_wymusz::id_nu;
        } else {
            return Przeksztalcenie{
                Przeksztalcenie::Rodzaj::dodanie_podpory, k, wezel, Koniec::koniec, *v, {}};
        }
    }
}

std::optional<Przeksztalcenie> usuniecie_podpory(_ROZMOWA_& rozmowa, d_usuniecie_podpory& dane, int k,
                                                 bool zapytaj)
{
    if (il_podpor == 0) {
        rozmowa.komunikat("Pręt nie ma podpór: trzyma się tylko na sprężynach.", "Usuń podporę",
                          Ikona::wykrzyknik);
        return std::nullopt;
    }
    for (int wskazane = pierwsze_pole; zapytaj;) {
        wpisz_numer(dane.i, k);
        const d_usuniecie_podpory oferowany = dane;
        if (!rozmowa.dialog(dane, wskazane))
            return std::nullopt;
        k = numer_pola(dane.i, oferowany.i, k);
        if (k >= 1 && k <= il_podpor)
            break;
        wskazane = d_usuniecie_podpory::id_i;
    }
    if (il_podpor < 2 && !sprezyna_poza_wezlem(0)) {
        rozmowa.komunikat(QString("Pręt musi mieć co najmniej jedną podporę albo sprężynę: podpory %1 "
                                  "nie można usunąć.")
                              .arg(k),
                          "Usuń podporę", Ikona::wykrzyknik);
        return std::nullopt;
    }
    return Przeksztalcenie{Przeksztalcenie::Rodzaj::usuniecie_podpory, k, nu[k], Koniec::koniec, u[k], {}};
}

std::optional<Przeksztalcenie> podzial_kazdego(_ROZMOWA_& rozmowa, d_podzial_kazdego& dane)
{
    if (dane.k[0] == '\0')
        wpisz_numer(dane.k, 2);
    for (int wskazane = pierwsze_pole;;) {
        if (!rozmowa.dialog(dane, wskazane))
            return std::nullopt;
        const int k = calkowita(dane.k);
        if (k < 2 || k > 10) {
            wskazane = d_podzial_kazdego::id_k;
            continue;
        }
        if (!elementow_w_pliku(il_elem * static_cast<long long>(k), rozmowa, "Podziel każdy element"))
            return std::nullopt;
        return Przeksztalcenie{Przeksztalcenie::Rodzaj::podzial_kazdego, k, 0, Koniec::koniec, 0.0f, {}};
    }
}
