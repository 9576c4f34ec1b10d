#include "wykres.h"

#include "format.h"
#include "model.h"
#include "obwiednia.h"
#include "odczyt.h"
#include "pochodne.h"
#include "tabele.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <iterator>
#include <optional>
#include <string>

namespace {

constexpr int margines_lewy = 90, margines_prawy = 40, margines_gorny = 44, pod_osia = 46, pas_ksztaltu = 96;
constexpr int wys_tekstu = 13;
constexpr Kolor siatka = rgb(230, 230, 230);
constexpr Kolor wypelnienie_dodatnie = rgb(255, 200, 200), wypelnienie_ujemne = rgb(200, 212, 255);
constexpr Kolor obrys_dodatni = rgb(170, 0, 0), obrys_ujemny = rgb(0, 40, 170),
                obrys_mieszany = rgb(40, 40, 40);
constexpr Kolor schodki = rgb(0, 140, 0); // the elements' own values over the exact line

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

bool pod_obciazeniem(int i) { return obciazenie_ciagle(i) != 0.0f; }

// The exact value at t (0 at node i, 1 at node i + 1) inside element i.
double dokladna(RodzajWykresu r, int i, double t)
{
    switch (r) {
    case RodzajWykresu::sila: return sila_w(i, t);
    case RodzajWykresu::naprezenie: return naprezenie_w(i, t);
    case RodzajWykresu::przemieszczenie: return przemieszczenie_w(i, t);
    }
    return 0;
}

// The exact values over ta..tb of element i under a distributed load: the
// ends', and u where it stands still between them.
std::pair<double, double> dokladny_zakres(RodzajWykresu r, int i, double ta, double tb)
{
    const double va = dokladna(r, i, ta), vb = dokladna(r, i, tb);
    double lo = std::min(va, vb), hi = std::max(va, vb);
    if (r == RodzajWykresu::przemieszczenie) {
        const Ekstremum e = ekstremum_przemieszczenia(i);
        if (e.t > std::min(ta, tb) && e.t < std::max(ta, tb) && std::isfinite(e.u)) {
            lo = std::min(lo, e.u);
            hi = std::max(hi, e.u);
        }
    }
    return {lo, hi};
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
    // A label every 25 pixels at the most, so that a low plot's labels do not meet.
    for (double v : podzialka(oy.lo, oy.hi, std::clamp((oy.p1 - oy.p2) / 25, 2, 8))) {
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

// Pieces on the same columns go into the envelope as one: consecutive
// elements of a long bar mostly share a column, and the envelope is the same.
class Kawalki {
public:
    explicit Kawalki(Obwiednia& o) : o_(o) {}
    ~Kawalki() { oddaj(); }
    void dodaj(int c1, int c2, double lo, double hi)
    {
        if (c1 > c2)
            std::swap(c1, c2);
        if (jest_ && c1 == c1_ && c2 == c2_) {
            lo_ = std::min(lo_, lo);
            hi_ = std::max(hi_, hi);
            return;
        }
        oddaj();
        jest_ = true;
        c1_ = c1;
        c2_ = c2;
        lo_ = lo;
        hi_ = hi;
    }
    void oddaj()
    {
        if (jest_)
            o_.dodaj(c1_, c2_, lo_, hi_);
        jest_ = false;
    }

private:
    Obwiednia& o_;
    bool jest_ = false;
    int c1_ = 0, c2_ = 0;
    double lo_ = 0, hi_ = 0;
};

// Each node's pixel column on the x axis (where x is finite): the same for
// every diagram of a picture, so worked out once.
std::vector<int> kolumny_wezlow(const Os& ox)
{
    std::vector<int> k(std::size_t(il_wezl) + 1);
    for (int j = 1; j <= il_wezl; ++j)
        k[std::size_t(j)] = std::isfinite(x[j]) ? ox.piksel(x[j]) - ox.p1 : 0;
    return k;
}

// Where in element i the middle of pixel column c + p1 (± 0.5) stands, 0 to 1.
double t_kolumny(const Os& ox, int i, double piksel)
{
    return std::clamp((ox.wartosc(piksel + ox.p1) - x[i]) / (double(x[i + 1]) - x[i]), 0.0, 1.0);
}

// Element i under a distributed load along its columns c1..c2: each column
// the range of the exact line over it, while the budget lasts, otherwise
// the element's whole range.
void dokladnie(Kawalki& k, RodzajWykresu rodzaj, int i, int c1, int c2, const Os& ox, long long& budzet)
{
    const int kolumn = ox.p2 - ox.p1 + 1, szer = std::abs(c2 - c1);
    budzet -= szer;
    const auto dodaj = [&k](int a, int b, std::pair<double, double> z) {
        if (std::isfinite(z.first) && std::isfinite(z.second))
            k.dodaj(a, b, z.first, z.second);
    };
    if (szer <= 1 || budzet < 0 || x[i] == x[i + 1]) {
        dodaj(c1, c2, dokladny_zakres(rodzaj, i, 0, 1));
        return;
    }
    for (int c = std::max(std::min(c1, c2), 0); c <= std::min(std::max(c1, c2), kolumn - 1); ++c)
        dodaj(c, c, dokladny_zakres(rodzaj, i, t_kolumny(ox, i, c - 0.5), t_kolumny(ox, i, c + 0.5)));
}

Obwiednia obwiednia(RodzajWykresu rodzaj, const Os& ox, const std::vector<int>& kolumny)
{
    const int kolumn = ox.p2 - ox.p1 + 1;
    Obwiednia o(kolumn);
    Kawalki k(o);
    // Each column of a wide element gets its own interpolated range, while
    // the budget lasts (a file may zigzag across the whole width every element).
    long long budzet = 8 * (static_cast<long long>(kolumn) + il_elem);
    for (int i = 1; i <= il_elem; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(x[i + 1]))
            continue;
        const int c1 = kolumny[std::size_t(i)], c2 = kolumny[std::size_t(i) + 1];
        if (pod_obciazeniem(i)) {
            dokladnie(k, rodzaj, i, c1, c2, ox, budzet);
            continue;
        }
        if (po_elementach(rodzaj)) {
            const double v = wartosc(rodzaj, i);
            if (std::isfinite(v))
                k.dodaj(c1, c2, v, v);
            continue;
        }
        const double v1 = f[i], v2 = f[i + 1];
        if (!std::isfinite(v1) || !std::isfinite(v2))
            continue;
        const int szer = std::abs(c2 - c1);
        budzet -= szer;
        if (szer <= 1 || budzet < 0 || x[i] == x[i + 1]) {
            k.dodaj(c1, c2, std::min(v1, v2), std::max(v1, v2));
            continue;
        }
        for (int c = std::max(std::min(c1, c2), 0); c <= std::min(std::max(c1, c2), kolumn - 1); ++c) {
            const double wa = v1 + t_kolumny(ox, i, c - 0.5) * (v2 - v1),
                         wb = v1 + t_kolumny(ox, i, c + 0.5) * (v2 - v1);
            k.dodaj(c, c, std::min(wa, wb), std::max(wa, wb));
        }
    }
    k.oddaj();
    return o;
}

// The elements' own values where a distributed load makes them differ from
// the exact line: steps over it, each element's value across its columns,
// joined at a node shared by two of them.
Obwiednia obwiednia_schodkow(RodzajWykresu rodzaj, const Os& ox, const std::vector<int>& kolumny)
{
    Obwiednia o(ox.p2 - ox.p1 + 1);
    Kawalki k(o);
    double poprzednia = NAN;
    for (int i = 1; i <= il_elem; ++i) {
        const double v = wartosc(rodzaj, i);
        const bool rysowany =
            pod_obciazeniem(i) && std::isfinite(v) && std::isfinite(x[i]) && std::isfinite(x[i + 1]);
        if (!rysowany) {
            poprzednia = NAN;
            continue;
        }
        const int c1 = kolumny[std::size_t(i)], c2 = kolumny[std::size_t(i) + 1];
        if (std::isfinite(poprzednia))
            k.dodaj(c1, c1, std::min(v, poprzednia), std::max(v, poprzednia));
        k.dodaj(c1, c2, v, v);
        poprzednia = v;
    }
    k.oddaj();
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

// Each run of columns with one range, as odcinek(range, first column, last column).
template <typename F>
void po_odcinkach(const Obwiednia& o, int p1, F odcinek)
{
    const std::vector<Obwiednia::Kolumna> k = o.kolumny();
    for (std::size_t c = 0; c < k.size();) {
        std::size_t koniec = c;
        while (koniec + 1 < k.size() && te_same(k[koniec + 1], k[c]))
            ++koniec;
        if (k[c].jest)
            odcinek(k[c], p1 + int(c), p1 + int(koniec));
        c = koniec + 1;
    }
}

void przebieg(Rysunek& r, RodzajWykresu rodzaj, const Os& ox, const Os& oy, const std::vector<int>& kolumny)
{
    po_odcinkach(obwiednia(rodzaj, ox, kolumny), ox.p1,
                 [&](const Obwiednia::Kolumna& k, int x1, int x2) { odcinek_przebiegu(r, k, x1, x2, oy); });
    const int zero = oy.piksel(0);
    linia(r, ox.p1, zero, ox.p2 + 1, zero, czarny);
}

bool jest_obciazenie_ciagle()
{
    for (int i = 1; qx && i <= il_elem; ++i)
        if (pod_obciazeniem(i))
            return true;
    return false;
}

// Two pixels thick, over the exact line, each run of columns with one range.
void schodki_elementow(Rysunek& r, RodzajWykresu rodzaj, const Os& ox, const Os& oy,
                       const std::vector<int>& kolumny)
{
    po_odcinkach(obwiednia_schodkow(rodzaj, ox, kolumny), ox.p1,
                 [&](const Obwiednia::Kolumna& k, int x1, int x2) {
                     pole(r, x1, oy.piksel(k.max) - 1, x2 + 1, oy.piksel(k.min) + 1, schodki);
                 });
}

// A point of a diagram: where along the bar, and its value.
struct Punkt {
    double x, v;
};

void ekstremum(Rysunek& r, Punkt p, const char* nazwa, const Os& ox, const Os& oy, bool nad)
{
    const double v = p.v;
    const int px = ox.piksel(p.x), py = oy.piksel(v);
    pole(r, px - 3, py - 3, px + 4, py + 4, czarny);
    const std::string t = std::string(nazwa) + " = " + liczba(v) + "  (x = " + liczba(p.x) + ")";
    const int tx =
        std::clamp(px - szerokosc_tekstu(t) / 2, ox.p1 + 2, std::max(ox.p1 + 2, ox.p2 - szerokosc_tekstu(t)));
    // Above a maximum, below a minimum, unless that leaves the plot (and meets the axis labels).
    const int nad_punktem = py - wys_tekstu - 8, pod_punktem = py + 8;
    const bool pod = nad ? nad_punktem < oy.p2 : pod_punktem + wys_tekstu <= oy.p1;
    tekst(r, tx, pod ? pod_punktem : nad_punktem, t);
}

// The values of a diagram: their range (0 included later) and where the
// largest and the smallest stand (none when none is finite at a finite place).
struct Wartosci {
    Zakres zakres;
    std::optional<Punkt> min, max;

    void dodaj(Punkt p)
    {
        zakres.dodaj(p.v);
        if (!std::isfinite(p.v) || !std::isfinite(p.x))
            return;
        if (!max || p.v > max->v)
            max = p;
        if (!min || p.v < min->v)
            min = p;
    }
};

// Each element's value at its middle, each node's displacement; under a
// distributed load the exact line's: N and σ at the element's ends, u also
// where it stands still inside the element.
Wartosci wartosci(RodzajWykresu rodzaj)
{
    Wartosci w;
    for (int k = 1; k <= ile_wartosci(rodzaj); ++k) {
        const bool dokladne = k <= il_elem && pod_obciazeniem(k);
        if (po_elementach(rodzaj) && dokladne) {
            w.dodaj({x[k], dokladna(rodzaj, k, 0)});
            w.dodaj({x[k + 1], dokladna(rodzaj, k, 1)});
            continue;
        }
        w.dodaj({polozenie(rodzaj, k), wartosc(rodzaj, k)});
        if (!po_elementach(rodzaj) && dokladne)
            if (const Ekstremum e = ekstremum_przemieszczenia(k); e.t > 0 && e.t < 1)
                w.dodaj({e.x, e.u});
    }
    return w;
}

void ekstrema(Rysunek& r, const Wartosci& w, const Os& ox, const Os& oy)
{
    if (!w.max)
        return;
    ekstremum(r, *w.max, "max", ox, oy, true);
    if (w.min->v < w.max->v)
        ekstremum(r, *w.min, "min", ox, oy, false);
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

// Node j's column after a displacement of k·f, none where its place is not
// finite: found as the elements go by, rather than kept for every node.
std::optional<int> kolumna_wezla(const Os& os, int j, double k)
{
    const double p = double(x[j]) + k * f[j];
    if (!std::isfinite(p))
        return std::nullopt;
    return os.piksel(p) - os.p1;
}

void pret(Rysunek& r, const Os& os, int y, double k, Kolor kolor)
{
    Obwiednia o(os.p2 - os.p1 + 1);
    {
        Kawalki kawalki(o);
        std::optional<int> lewa = kolumna_wezla(os, 1, k);
        for (int i = 1; i <= il_elem; ++i) {
            const std::optional<int> prawa = kolumna_wezla(os, i + 1, k);
            if (lewa && prawa)
                kawalki.dodaj(*lewa, *prawa, 0, 0);
            lewa = prawa;
        }
    }
    odcinki(r, o, os.p1, y, kolor);
    if (il_wezl > (os.p2 - os.p1) / 4)
        return;
    for (int j = 1; j <= il_wezl; ++j)
        if (const std::optional<int> c = kolumna_wezla(os, j, k))
            linia(r, *c + os.p1, y - 6, *c + os.p1, y + 7, kolor);
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

namespace {

Zakres zakres_x()
{
    Zakres zx;
    for (int j = 1; j <= il_wezl; ++j)
        zx.dodaj(x[j]);
    return zx;
}

// The x axis all diagrams of a picture share, and its node columns; nothing
// when the coordinates give no axis.
struct OsPreta {
    Zakres zx;
    Os ox;
    std::vector<int> kolumny;
};

std::optional<OsPreta> os_preta(int szerokosc)
{
    const Zakres zx = zakres_x();
    if (zx.pusty() || !(zx.hi > zx.lo) || !std::isfinite(zx.hi - zx.lo))
        return std::nullopt;
    const Os ox{zx.lo, zx.hi, margines_lewy, szerokosc - margines_prawy};
    return OsPreta{zx, ox, kolumny_wezlow(ox)};
}

// One diagram in the band [gora, dol) of the picture: its title, axes, curve
// and extremes; false when there is nothing to draw.
bool pasmo(Rysunek& r, RodzajWykresu rodzaj, const std::optional<OsPreta>& os, int gora, int dol)
{
    tekst(r, margines_lewy, gora + 14, tytul(rodzaj));
    const Wartosci w = os ? wartosci(rodzaj) : Wartosci{};
    if (!os || w.zakres.pusty()) {
        tekst(r, margines_lewy, gora + 40, "Brak danych do wykresu: współrzędne lub wartości nie są skończone.");
        return false;
    }
    Zakres zv = w.zakres;
    zv.dodaj(0);
    const double zapas = zv.hi > zv.lo ? 0.08 * (zv.hi - zv.lo) : 1;
    const Os& ox = os->ox;
    const Os oy{zv.lo - zapas, zv.hi + zapas, dol - pod_osia, gora + margines_gorny};
    r.emplace_back(std::in_place_type<Prostokat>,
                   Prostokat{ox.p1, oy.p2, ox.p2 + 1, oy.p1 + 1, Pioro{jasnoszary, 1}, bialy});
    osie(r, ox, oy);
    przebieg(r, rodzaj, ox, oy, os->kolumny);
    if (po_elementach(rodzaj) && jest_obciazenie_ciagle()) {
        schodki_elementow(r, rodzaj, ox, oy, os->kolumny);
        tekst(r, ox.p2 - 230, gora + 14, "schodki: wartości elementów", schodki);
    }
    ekstrema(r, w, ox, oy);
    return true;
}

} // namespace

Wykres rysuj_wykres(RodzajWykresu rodzaj, int szerokosc, int wysokosc)
{
    return std::move(rysuj_wykresy_osobno({rodzaj}, szerokosc, wysokosc)[0]);
}

// The x axis and the shape do not depend on the kind: found once for all.
std::vector<Wykres> rysuj_wykresy_osobno(std::initializer_list<RodzajWykresu> rodzaje, int szerokosc,
                                         int wysokosc)
{
    const int dol = wysokosc - pas_ksztaltu;
    const std::optional<OsPreta> os = os_preta(szerokosc);
    std::optional<Rysunek> ksztalt_preta;
    double powiekszenie = 0;
    std::vector<Wykres> wykresy;
    for (const RodzajWykresu rodzaj : rodzaje) {
        Wykres& w = wykresy.emplace_back();
        Rysunek& r = w.rysunek;
        pole(r, 0, 0, szerokosc, wysokosc, bialy);
        if (!pasmo(r, rodzaj, os, 0, dol))
            continue;
        if (!ksztalt_preta)
            powiekszenie = ksztalt(ksztalt_preta.emplace(), os->zx, os->ox.p1, os->ox.p2, dol);
        r.insert(r.end(), ksztalt_preta->begin(), ksztalt_preta->end());
        w.powiekszenie = powiekszenie;
    }
    return wykresy;
}

// The diagrams do not depend on each other: the first and the shape are
// drawn on a second thread while this one draws the other two, and the
// pieces are joined in their order.
ZestawWykresow rysuj_wykresy(int szerokosc, int wysokosc)
{
    ZestawWykresow w;
    pole(w.rysunek, 0, 0, szerokosc, wysokosc, bialy);
    const int pasmo_wys = (wysokosc - pas_ksztaltu) / 3;
    const RodzajWykresu rodzaje[] = {RodzajWykresu::sila, RodzajWykresu::naprezenie, RodzajWykresu::przemieszczenie};
    for (int k = 0; k < 3; ++k)
        w.pasma[k] = {rodzaje[k], k * pasmo_wys, (k + 1) * pasmo_wys};
    const std::optional<OsPreta> os = os_preta(szerokosc);
    Rysunek czesci[4];
    auto drugi_watek = std::async(std::launch::async, [&] {
        pasmo(czesci[0], rodzaje[0], os, w.pasma[0].gora, w.pasma[0].dol);
        return os ? ksztalt(czesci[3], os->zx, os->ox.p1, os->ox.p2, 3 * pasmo_wys) : 0.0;
    });
    pasmo(czesci[1], rodzaje[1], os, w.pasma[1].gora, w.pasma[1].dol);
    const bool narysowano = pasmo(czesci[2], rodzaje[2], os, w.pasma[2].gora, w.pasma[2].dol);
    const double powiekszenie = drugi_watek.get();
    if (narysowano) {
        w.os = OsX{os->ox.lo, os->ox.hi, os->ox.p1, os->ox.p2};
        w.powiekszenie = powiekszenie;
    } else {
        czesci[3].clear(); // no shape under diagrams that could not be drawn
    }
    for (Rysunek& c : czesci)
        w.rysunek.insert(w.rysunek.end(), std::make_move_iterator(c.begin()), std::make_move_iterator(c.end()));
    return w;
}

std::string odczyt_wykresow(const ZestawWykresow& w, int kolumna, int wiersz)
{
    if (!w.os || kolumna < w.os->p1 || kolumna > w.os->p2)
        return {};
    const auto pasmo = std::find_if(std::begin(w.pasma), std::end(w.pasma),
                                    [wiersz](const ZestawWykresow::Pasmo& p) { return wiersz >= p.gora && wiersz < p.dol; });
    if (pasmo == std::end(w.pasma))
        return {};
    const OsX& os = *w.os;
    const float skala = float(double(os.p2 - os.p1) / (os.hi - os.lo));
    const float wx = wspolrzedna(kolumna, os.p1, skala, float(os.lo));
    const int i = element_pod(wx);
    if (i < 1)
        return {};
    // The table's digits, without the column's padding.
    const auto liczba = [](FormatLiczby format, double v) {
        std::string t = tabele::liczba(format, v);
        return t.erase(0, t.find_first_not_of(' '));
    };
    const std::string t = tekst_wspolrzednej(wx) + "   ";
    if (pod_obciazeniem(i)) { // the exact line's value there, and the element's own
        const double w =
            dokladna(pasmo->rodzaj, i, std::clamp((double(wx) - x[i]) / (double(x[i + 1]) - x[i]), 0.0, 1.0));
        const FormatLiczby format =
            po_elementach(pasmo->rodzaj) ? tabele::format_naprezenia : tabele::format_przemieszczenia;
        const char* nazwa = pasmo->rodzaj == RodzajWykresu::sila         ? "N"
                            : pasmo->rodzaj == RodzajWykresu::naprezenie ? "σ"
                                                                         : "u";
        std::string o = t + "element " + std::to_string(i) + "   " + nazwa + "(x) = " + liczba(format, w);
        if (po_elementach(pasmo->rodzaj))
            o += "   element: " + liczba(format, wartosc(pasmo->rodzaj, i));
        return o;
    }
    switch (pasmo->rodzaj) {
    case RodzajWykresu::sila:
        return t + "element " + std::to_string(i) + "   N = " + liczba(tabele::format_naprezenia, wartosc(pasmo->rodzaj, i));
    case RodzajWykresu::naprezenie:
        return t + "element " + std::to_string(i) + "   σ = " + liczba(tabele::format_naprezenia, stress[i]);
    case RodzajWykresu::przemieszczenie: {
        const int j = std::fabs(double(wx) - x[i]) <= std::fabs(double(x[i + 1]) - wx) ? i : i + 1;
        return t + "węzeł " + std::to_string(j) + "   u = " + liczba(tabele::format_przemieszczenia, f[j]);
    }
    }
    return {};
}
