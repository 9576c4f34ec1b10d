#include "wykres.h"

#include "format.h"
#include "model.h"
#include "obwiednia.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int margines_lewy = 90, margines_prawy = 40, margines_gorny = 44, pod_osia = 46, pas_ksztaltu = 96;
constexpr int wys_tekstu = 13;
constexpr Kolor siatka = rgb(230, 230, 230);
constexpr Kolor wypelnienie_dodatnie = rgb(255, 200, 200), wypelnienie_ujemne = rgb(200, 212, 255);
constexpr Kolor obrys_dodatni = rgb(170, 0, 0), obrys_ujemny = rgb(0, 40, 170),
                obrys_mieszany = rgb(40, 40, 40);

struct Zakres {
    double lo = INFINITY, hi = -INFINITY;
    void dodaj(double v)
    {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    bool pusty() const { return lo > hi; }
};

// lround of a value within ±1e6, without the library call: half away from zero.
int zaokraglij(double t)
{
    int k = int(t); // toward zero
    const double reszta = t - k;
    k += (reszta >= 0.5) - (reszta <= -0.5);
    return k;
}

// Linear map of [lo, hi] onto pixels [p1, p2]; far values are clamped before
// they become ints.
struct Os {
    double lo, hi;
    int p1, p2;
    int piksel(double v) const
    {
        const double t = hi > lo ? p1 + (v - lo) / (hi - lo) * (p2 - p1) : 0.5 * (p1 + p2);
        return std::isnan(t) ? p1 : zaokraglij(std::clamp(t, -1.0e6, 1.0e6));
    }
    double wartosc(double piksel) const { return lo + (piksel - p1) / double(p2 - p1) * (hi - lo); }
};

bool po_elementach(RodzajWykresu r) { return r != RodzajWykresu::przemieszczenie; }

double wartosc(RodzajWykresu r, int k)
{
    switch (r) {
    case RodzajWykresu::sila: return double(stress[k]) * a[k];
    case RodzajWykresu::naprezenie: return stress[k];
    case RodzajWykresu::przemieszczenie: return f[k];
    }
    return 0;
}

int ile_wartosci(RodzajWykresu r) { return po_elementach(r) ? il_elem : il_wezl; }

// Where an item stands along the bar: an element's middle, a node's x.
double polozenie(RodzajWykresu r, int k) { return po_elementach(r) ? 0.5 * (double(x[k]) + x[k + 1]) : x[k]; }

const char* tytul(RodzajWykresu r)
{
    switch (r) {
    case RodzajWykresu::sila: return "Siła osiowa N = σ·A";
    case RodzajWykresu::naprezenie: return "Naprężenie σ";
    case RodzajWykresu::przemieszczenie: return "Przemieszczenie u";
    }
    return "";
}

std::string liczba(double v) { return printf_liczby("%.4g", v); }

int szerokosc_tekstu(const std::string& t)
{
    const auto znaki = std::count_if(t.begin(), t.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return int(znaki) * wys_tekstu * 6 / 10;
}

void tekst(Rysunek& r, int x, int y, const std::string& t, Kolor k = czarny)
{
    r.emplace_back(std::in_place_type<Tekst>, Tekst{x, y, t, wys_tekstu, k, bialy});
}

// A rectangle filled and outlined in one colour.
void pole(Rysunek& r, int lewo, int gora, int prawo, int dol, Kolor k)
{
    r.emplace_back(std::in_place_type<Prostokat>, Prostokat{lewo, gora, prawo, dol, Pioro{k, 1}, k});
}

void linia(Rysunek& r, int x1, int y1, int x2, int y2, Kolor k, int grubosc = 1)
{
    r.emplace_back(std::in_place_type<Linia>, Linia{x1, y1, x2, y2, Pioro{k, grubosc}});
}

// Round steps (1, 2 or 5 times a power of ten), at most about `ile` of them.
std::vector<double> podzialka(double lo, double hi, int ile)
{
    std::vector<double> p;
    if (!(hi > lo) || !std::isfinite(hi - lo))
        return p;
    const double surowy = (hi - lo) / ile;
    const double rzad = std::pow(10.0, std::floor(std::log10(surowy)));
    const double krok = surowy / rzad <= 1   ? rzad
                        : surowy / rzad <= 2 ? 2 * rzad
                        : surowy / rzad <= 5 ? 5 * rzad
                                             : 10 * rzad;
    if (!(krok > 0) || !std::isfinite(krok)) // a range too narrow for doubles
        return p;
    for (double v = std::ceil(lo / krok) * krok; v <= hi + krok * 1e-9 && p.size() < 50; v += krok)
        p.push_back(std::fabs(v) < krok * 1e-9 ? 0.0 : v);
    return p;
}

void osie(Rysunek& r, const Os& ox, const Os& oy)
{
    for (double v : podzialka(oy.lo, oy.hi, 8)) {
        const int y = oy.piksel(v);
        linia(r, ox.p1, y, ox.p2 + 1, y, siatka);
        linia(r, ox.p1 - 5, y, ox.p1, y, czarny);
        const std::string t = liczba(v);
        tekst(r, ox.p1 - 8 - szerokosc_tekstu(t), y - wys_tekstu / 2, t);
    }
    for (double v : podzialka(ox.lo, ox.hi, 10)) {
        const int x = ox.piksel(v);
        linia(r, x, oy.p1, x, oy.p1 + 6, czarny);
        const std::string t = liczba(v);
        tekst(r, x - szerokosc_tekstu(t) / 2, oy.p1 + 9, t);
    }
    tekst(r, ox.p2 - 4, oy.p1 + 26, "x");
    linia(r, ox.p1, oy.p2, ox.p1, oy.p1 + 1, czarny);
}

Obwiednia obwiednia(RodzajWykresu rodzaj, const Os& ox)
{
    const int kolumn = ox.p2 - ox.p1 + 1;
    Obwiednia o(kolumn);
    // Each column of a wide element gets its own interpolated range, while
    // the budget lasts (a file may zigzag across the whole width every element).
    long long budzet = 8 * (static_cast<long long>(kolumn) + il_elem);
    for (int i = 1; i <= il_elem; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(x[i + 1]))
            continue;
        const int c1 = ox.piksel(x[i]) - ox.p1, c2 = ox.piksel(x[i + 1]) - ox.p1;
        if (po_elementach(rodzaj)) {
            const double v = wartosc(rodzaj, i);
            if (std::isfinite(v))
                o.dodaj(c1, c2, v, v);
            continue;
        }
        const double v1 = f[i], v2 = f[i + 1];
        if (!std::isfinite(v1) || !std::isfinite(v2))
            continue;
        const int szer = std::abs(c2 - c1);
        budzet -= szer;
        if (szer <= 1 || budzet < 0 || x[i] == x[i + 1]) {
            o.dodaj(c1, c2, std::min(v1, v2), std::max(v1, v2));
            continue;
        }
        for (int c = std::max(std::min(c1, c2), 0); c <= std::min(std::max(c1, c2), kolumn - 1); ++c) {
            auto w = [&](double piksel) {
                const double t =
                    std::clamp((ox.wartosc(piksel + ox.p1) - x[i]) / (double(x[i + 1]) - x[i]), 0.0, 1.0);
                return v1 + t * (v2 - v1);
            };
            const double wa = w(c - 0.5), wb = w(c + 0.5);
            o.dodaj(c, c, std::min(wa, wb), std::max(wa, wb));
        }
    }
    return o;
}

bool te_same(const Obwiednia::Kolumna& p, const Obwiednia::Kolumna& q)
{
    return p.jest == q.jest && p.min == q.min && p.max == q.max;
}

// A run of columns with the same range: its fill from the zero line and its outline.
void odcinek_przebiegu(Rysunek& r, const Obwiednia::Kolumna& k, int x1, int x2, const Os& oy)
{
    const int zero = oy.piksel(0);
    if (k.max > 0)
        pole(r, x1, oy.piksel(k.max), x2 + 1, zero, wypelnienie_dodatnie);
    if (k.min < 0)
        pole(r, x1, zero, x2 + 1, oy.piksel(k.min), wypelnienie_ujemne);
    const Kolor obrys = k.min >= 0 ? obrys_dodatni : k.max <= 0 ? obrys_ujemny : obrys_mieszany;
    const int gora = oy.piksel(k.max), dol = oy.piksel(k.min);
    pole(r, x1, gora, x2 + 1, dol + 1, obrys);
}

void przebieg(Rysunek& r, RodzajWykresu rodzaj, const Os& ox, const Os& oy)
{
    const std::vector<Obwiednia::Kolumna> k = obwiednia(rodzaj, ox).kolumny();
    for (std::size_t c = 0; c < k.size();) {
        std::size_t koniec = c;
        while (koniec + 1 < k.size() && te_same(k[koniec + 1], k[c]))
            ++koniec;
        if (k[c].jest)
            odcinek_przebiegu(r, k[c], ox.p1 + int(c), ox.p1 + int(koniec), oy);
        c = koniec + 1;
    }
    const int zero = oy.piksel(0);
    linia(r, ox.p1, zero, ox.p2 + 1, zero, czarny);
}

void ekstremum(Rysunek& r, RodzajWykresu rodzaj, int k, const char* nazwa, const Os& ox, const Os& oy,
               bool nad)
{
    const double v = wartosc(rodzaj, k);
    const int px = ox.piksel(polozenie(rodzaj, k)), py = oy.piksel(v);
    pole(r, px - 3, py - 3, px + 4, py + 4, czarny);
    const std::string t =
        std::string(nazwa) + " = " + liczba(v) + "  (x = " + liczba(polozenie(rodzaj, k)) + ")";
    const int tx =
        std::clamp(px - szerokosc_tekstu(t) / 2, ox.p1 + 2, std::max(ox.p1 + 2, ox.p2 - szerokosc_tekstu(t)));
    // Above a maximum, below a minimum, unless that leaves the plot (and meets the axis labels).
    const int nad_punktem = py - wys_tekstu - 8, pod_punktem = py + 8;
    const bool pod = nad ? nad_punktem < oy.p2 : pod_punktem + wys_tekstu <= oy.p1;
    tekst(r, tx, pod ? pod_punktem : nad_punktem, t);
}

void ekstrema(Rysunek& r, RodzajWykresu rodzaj, const Os& ox, const Os& oy)
{
    int kmin = 0, kmax = 0;
    for (int k = 1; k <= ile_wartosci(rodzaj); ++k) {
        const double v = wartosc(rodzaj, k);
        if (!std::isfinite(v) || !std::isfinite(polozenie(rodzaj, k)))
            continue;
        if (!kmax || v > wartosc(rodzaj, kmax))
            kmax = k;
        if (!kmin || v < wartosc(rodzaj, kmin))
            kmin = k;
    }
    if (!kmax)
        return;
    ekstremum(r, rodzaj, kmax, "max", ox, oy, true);
    if (wartosc(rodzaj, kmin) < wartosc(rodzaj, kmax))
        ekstremum(r, rodzaj, kmin, "min", ox, oy, false);
}

// Covered runs of columns drawn as lines, so a million elements cost a few lines.
void odcinki(Rysunek& r, const Obwiednia& o, int p1, int y, Kolor k)
{
    const auto kol = o.kolumny();
    for (std::size_t c = 0; c < kol.size();) {
        if (!kol[c].jest) {
            ++c;
            continue;
        }
        std::size_t koniec = c;
        while (koniec + 1 < kol.size() && kol[koniec + 1].jest)
            ++koniec;
        pole(r, p1 + int(c), y - 2, p1 + int(koniec) + 1, y + 3, k);
        c = koniec + 1;
    }
}

double najwieksze_przemieszczenie()
{
    double m = 0;
    for (int j = 1; j <= il_wezl; ++j)
        if (std::isfinite(f[j]) && std::isfinite(x[j]))
            m = std::max(m, std::fabs(double(f[j])));
    return m;
}

void pret(Rysunek& r, const Os& os, int y, double k, Kolor kolor)
{
    Obwiednia o(os.p2 - os.p1 + 1);
    auto polozenie_wezla = [&](int j) { return double(x[j]) + k * f[j]; };
    for (int i = 1; i <= il_elem; ++i) {
        const double p = polozenie_wezla(i), q = polozenie_wezla(i + 1);
        if (std::isfinite(p) && std::isfinite(q))
            o.dodaj(os.piksel(p) - os.p1, os.piksel(q) - os.p1, 0, 0);
    }
    odcinki(r, o, os.p1, y, kolor);
    if (il_wezl > (os.p2 - os.p1) / 4)
        return;
    for (int j = 1; j <= il_wezl; ++j)
        if (std::isfinite(polozenie_wezla(j)))
            linia(r, os.piksel(polozenie_wezla(j)), y - 6, os.piksel(polozenie_wezla(j)), y + 7, kolor);
}

double ksztalt(Rysunek& r, const Zakres& zx, int lewo, int prawo, int gora)
{
    const double umax = najwieksze_przemieszczenie();
    const double k = umax > 0 ? 0.1 * (zx.hi - zx.lo) / umax : 0;
    Zakres z = zx;
    for (int j = 1; j <= il_wezl; ++j)
        z.dodaj(double(x[j]) + k * f[j]);
    const Os os{z.lo, z.hi, lewo, prawo};
    tekst(r, lewo, gora,
          k > 0 ? "Kształt pręta; przemieszczenia powiększone ×" + printf_liczby("%.3g", k)
                : std::string("Kształt pręta; brak przemieszczeń"));
    tekst(r, 10, gora + 22, "przed", szary);
    pret(r, os, gora + 28, 0, szary);
    tekst(r, 10, gora + 46, "po", obrys_dodatni);
    pret(r, os, gora + 52, k, obrys_dodatni);
    return k;
}

} // namespace

std::optional<RodzajWykresu> rodzaj_wykresu(std::string_view nazwa)
{
    if (nazwa == "N")
        return RodzajWykresu::sila;
    if (nazwa == "napr")
        return RodzajWykresu::naprezenie;
    if (nazwa == "u")
        return RodzajWykresu::przemieszczenie;
    return std::nullopt;
}

Wykres rysuj_wykres(RodzajWykresu rodzaj, int szerokosc, int wysokosc)
{
    Wykres w;
    Rysunek& r = w.rysunek;
    pole(r, 0, 0, szerokosc, wysokosc, bialy);
    tekst(r, margines_lewy, 14, tytul(rodzaj));
    Zakres zx, zv;
    for (int j = 1; j <= il_wezl; ++j)
        zx.dodaj(x[j]);
    for (int k = 1; k <= ile_wartosci(rodzaj); ++k)
        zv.dodaj(wartosc(rodzaj, k));
    if (zx.pusty() || !(zx.hi > zx.lo) || zv.pusty() || !std::isfinite(zx.hi - zx.lo)) {
        tekst(r, margines_lewy, 40, "Brak danych do wykresu: współrzędne lub wartości nie są skończone.");
        return w;
    }
    zv.dodaj(0);
    const double zapas = zv.hi > zv.lo ? 0.08 * (zv.hi - zv.lo) : 1;
    const int dol = wysokosc - pod_osia - pas_ksztaltu;
    const Os ox{zx.lo, zx.hi, margines_lewy, szerokosc - margines_prawy};
    const Os oy{zv.lo - zapas, zv.hi + zapas, dol, margines_gorny};
    r.emplace_back(std::in_place_type<Prostokat>,
                   Prostokat{ox.p1, oy.p2, ox.p2 + 1, oy.p1 + 1, Pioro{jasnoszary, 1}, bialy});
    osie(r, ox, oy);
    przebieg(r, rodzaj, ox, oy);
    ekstrema(r, rodzaj, ox, oy);
    w.powiekszenie = ksztalt(r, zx, ox.p1, ox.p2, dol + pod_osia);
    return w;
}
