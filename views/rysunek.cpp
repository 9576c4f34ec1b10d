#include "rysunek.h"

#include "format.h"
#include "model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Truncation toward zero; a NaN has no pixel, and values far outside any
// window are pulled in so that the conversion is always defined.
std::optional<int> piksel(float v)
{
    constexpr float granica = 1.0e9f;
    if (v >= -granica && v <= granica) [[likely]]
        return int(v);
    if (std::isnan(v))
        return std::nullopt;
    return v < 0.0f ? -int(granica) : int(granica);
}

bool zawiera(const Obszar& duzy, const Obszar& maly)
{
    return duzy.lewo <= maly.lewo && duzy.gora <= maly.gora && duzy.prawo >= maly.prawo && duzy.dol >= maly.dol;
}

// Marks of one kind already drawn: every line of a layer has the same pen,
// so a second mark with all the same pixel coordinates would paint the same
// pixels again. Nodes a few ulps apart can share a column and still differ
// by a pixel at an offset; such a mark is drawn.
class Znaki {
public:
    Znaki(bool aktywne, int szerokosc) : kolumny_(aktywne ? std::size_t(szerokosc) : 0) {}
    // True the first time for a mark at column `kolumna` with the other
    // coordinates `reszta` (and always outside the window, or when not merging).
    bool pierwszy_raz(int kolumna, std::array<int, 2> reszta)
    {
        if (kolumna < 0 || std::size_t(kolumna) >= kolumny_.size())
            return true;
        auto& w_kolumnie = kolumny_[std::size_t(kolumna)];
        if (std::find(w_kolumnie.begin(), w_kolumnie.end(), reszta) != w_kolumnie.end())
            return false;
        w_kolumnie.push_back(reszta);
        return true;
    }

private:
    std::vector<std::vector<std::array<int, 2>>> kolumny_;
};

// Collects the picture.
class Obraz {
public:
    explicit Obraz(bool scalaj) : scalaj_(scalaj) {}

    void prostokat(int l, int t, int r, int b, Pioro pioro, Kolor wypelnienie)
    {
        rysunek_.emplace_back(std::in_place_type<Prostokat>, normalny(l, t, r, b, pioro, wypelnienie));
    }
    void linia(int x1, int y1, int x2, int y2, Pioro pioro)
    {
        rysunek_.emplace_back(std::in_place_type<Linia>, Linia{x1, y1, x2, y2, pioro});
    }
    void tekst(int x, int y, std::string t)
    {
        rysunek_.emplace_back(std::in_place_type<Tekst>, Tekst{x, y, std::move(t), 12, czarny, bialy});
    }

    void zarezerwuj(std::size_t pozycje) { rysunek_.reserve(pozycje); }

    // Rectangles along the axis row `wiersz`. With merging, each drops the
    // rectangles before it that it covers completely: it paints over every
    // pixel they painted, so they would not show.
    void na_osi(int wiersz)
    {
        rysunek_.emplace_back(std::in_place_type<ProstokatyNaOsi>, ProstokatyNaOsi{wiersz, {}});
    }
    void prostokat_na_osi(int l, int t, int r, int b, Pioro pioro, Kolor wypelnienie)
    {
        auto& stos = std::get<ProstokatyNaOsi>(rysunek_.back()).prostokaty;
        const Prostokat p = normalny(l, t, r, b, pioro, wypelnienie);
        if (scalaj_) {
            const Obszar nowy = obszar(p);
            while (!obszary_.empty() && zawiera(nowy, obszary_.back())) {
                stos.pop_back();
                obszary_.pop_back();
            }
            obszary_.push_back(nowy);
        }
        stos.push_back(p);
    }

    bool scala() const { return scalaj_; }
    Rysunek wynik() && { return std::move(rysunek_); }

private:
    static Prostokat normalny(int l, int t, int r, int b, Pioro pioro, Kolor wypelnienie)
    {
        return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b), pioro, wypelnienie};
    }

    bool scalaj_;
    Rysunek rysunek_;
    std::vector<Obszar> obszary_; // of the rectangles on the axis, while merging
};

// The extents and scales of one drawing, all single precision.
struct Miary {
    float w, h;   // client size
    float x0, mx; // smallest and largest node coordinate
    float ma;     // largest area
    float an, mn; // bottom (never above 0) and top of the stress scale
    float ss, sx, sa, sp, cy;
    bool rowne;   // stresses the legend cannot tell apart: all get index 0

    std::optional<int> X(float xw, float c) const { return piksel((xw - x0) * sx + c); }
    int indeks(float naprezenie) const { return rowne ? 0 : indeks_koloru(naprezenie, an, ss); }
};

std::string etykieta(const Miary& m, int i)
{
    const float t = m.an + float(200 - i) / m.ss;
    const float wartosc = i == 1 ? m.an + 200.0f / m.ss : t;
    const char* format = t > 999.0f ? "%6.0f" : t > 9.0f ? "%3.2f" : "%1.4f";
    return printf_liczby(format, double(wartosc));
}

bool z_etykieta(int i) { return i == 1 || i % 25 == 0; }

bool etykiety_jednakowe(const Miary& m)
{
    const std::string pierwsza = etykieta(m, 1);
    for (int i = 25; i <= 200; i += 25)
        if (etykieta(m, i) != pierwsza)
            return false;
    return true;
}

// Equal stresses, and stresses whose nine labels would all read the same,
// get the scale of equal ones: from the top stress at the left end of the
// legend to it + 1 at the right, every element at index 0. That the index
// is 0 is decided here, not left to mn + 1, which rounds back to mn for
// stresses beyond about 1.7e7 in size.
void skala_naprezen(Miary& m)
{
    m.rowne = m.mn == m.an;
    if (!m.rowne) {
        m.ss = 200.0f / (m.mn - m.an);
        m.rowne = etykiety_jednakowe(m);
    }
    if (m.rowne) {
        m.an = m.mn + 1.0f;
        m.ss = -200.0f;
    }
}

Miary zmierz(int szerokosc, int wysokosc)
{
    Miary m{};
    m.w = float(szerokosc);
    m.h = float(wysokosc);
    m.x0 = m.mx = x[1];
    for (int j = 1; j <= il_wezl; ++j) {
        if (x[j] > m.mx)
            m.mx = x[j];
        if (x[j] < m.x0)
            m.x0 = x[j];
    }
    m.ma = a[1];
    for (int i = 1; i <= il_elem; ++i)
        if (a[i] > m.ma)
            m.ma = a[i];
    m.mn = stress[1];
    m.an = 0.0f;
    for (int i = 1; i <= il_elem; ++i) {
        if (stress[i] > m.mn)
            m.mn = stress[i];
        if (stress[i] < m.an)
            m.an = stress[i];
    }
    skala_naprezen(m);
    m.sx = (m.w - 50.0f) / (m.mx - m.x0);
    m.sa = (m.h - 50.0f) / m.ma;
    m.sp = (m.w - 50.0f) * 0.005f;
    m.cy = (m.h - 50.0f) * 0.5f + 10.0f;
    return m;
}

// A bar whose nodes share one coordinate, or whose areas are not positive,
// has no finite scale: only the background is drawn.
bool rysowalna(const Miary& m)
{
    return std::isfinite(m.sx) && m.sx > 0.0f && std::isfinite(m.sa) && m.sa > 0.0f && std::isfinite(m.x0);
}

void legenda(Obraz& o, const Miary& m, const TablicaKolorow& knapr)
{
    const Pioro ppa{czarny, 1};
    const auto prawy = piksel(200.0f * m.sp + 25.0f);
    const auto dol1 = piksel(m.h - 1.0f), dol10 = piksel(m.h - 10.0f);
    if (prawy && dol1 && dol10) {
        o.linia(25, *dol1, *prawy, *dol1, ppa);
        o.linia(25, *dol10, *prawy, *dol10, ppa);
    }
    const auto gora = piksel(m.h - 9.0f), dol = piksel(m.h - 2.0f), y_etykiety = piksel(m.h - 22.0f);
    for (int i = 1; i <= 200; ++i) {
        const auto l = piksel(float(i - 1) * m.sp + 25.0f), r = piksel(float(i) * m.sp + 25.0f);
        if (l && r && gora && dol)
            o.prostokat(*l, *gora, *r, *dol, Pioro{knapr[i], 1}, knapr[i]);
        const auto x_etykiety = piksel(float(i - 1) * m.sp + 20.0f);
        if (z_etykieta(i) && x_etykiety && y_etykiety)
            o.tekst(*x_etykiety, *y_etykiety, etykieta(m, i));
    }
}

// Consecutive elements narrower than a pixel, in one column and outlined
// grey, show nothing of their fill: drawn in turn, with nothing else between,
// they paint exactly the rows of their union in grey.
class Kolumna {
public:
    // Joins the run of column l, or answers false (another column, or no run).
    bool dolacz(int l, int gora, int dol)
    {
        if (!trwa_ || l != l_)
            return false;
        gora_ = std::min({gora_, gora, dol});
        dol_ = std::max({dol_, gora, dol});
        return true;
    }
    void zacznij(int l, int gora, int dol)
    {
        trwa_ = true;
        l_ = l;
        gora_ = std::min(gora, dol);
        dol_ = std::max(gora, dol);
    }
    void oddaj(Obraz& o, Pioro pioro)
    {
        if (trwa_)
            o.prostokat_na_osi(l_, gora_, l_, dol_, pioro, bialy);
        trwa_ = false;
    }

private:
    bool trwa_ = false;
    int l_ = 0, gora_ = 0, dol_ = 0;
};

// Every element box reaches over the axis row int(cy): its two edges lie on
// either side of cy.
void elementy(Obraz& o, const Miary& m, const UstawieniaWidoku& u)
{
    const auto os = piksel(m.cy);
    if (!os)
        return;
    o.na_osi(*os);
    const Pioro szare{szary, 2};
    const bool szare_obrysy = !u.napr || u.przem == 1;
    const bool w_kolumnach = o.scala() && szare_obrysy;
    Kolumna kolumna;
    auto lewy = m.X(x[1], 25.0f);
    for (int i = 2; i <= il_wezl; ++i) {
        const auto prawy = m.X(x[i], 25.0f);
        const float polowa = a[i - 1] * m.sa * 0.5f;
        const auto dol = piksel(m.cy + polowa), gora = piksel(m.cy - polowa);
        if (lewy && prawy && dol && gora) {
            if (w_kolumnach && *lewy == *prawy) {
                if (!kolumna.dolacz(*lewy, *gora, *dol)) {
                    kolumna.oddaj(o, szare);
                    kolumna.zacznij(*lewy, *gora, *dol);
                }
            } else {
                kolumna.oddaj(o, szare);
                const Kolor kolor = (*u.knapr)[m.indeks(stress[i - 1])];
                const Pioro pioro = szare_obrysy ? szare : Pioro{kolor, 1};
                o.prostokat_na_osi(*lewy, *gora, *prawy, *dol, pioro, u.napr ? kolor : bialy);
            }
        }
        lewy = prawy;
    }
    kolumna.oddaj(o, szare);
}

void osie(Obraz& o, const Miary& m)
{
    const Pioro ospen{zielony_jasny, 1};
    const auto cy = piksel(m.cy), prawy = piksel(m.w - 20.0f), dol = piksel(m.h - 50.0f);
    if (cy && prawy)
        o.linia(20, *cy, *prawy, *cy, ospen);
    if (dol)
        o.linia(25, 5, 25, *dol, ospen);
    o.linia(25, 5, 20, 10, ospen);
    o.linia(25, 5, 30, 10, ospen);
}

void podpory(Obraz& o, const Miary& m, int szerokosc)
{
    const Pioro penp{czarny, 1};
    const auto dol = piksel(m.h - 40.0f);
    Znaki sciany(o.scala(), szerokosc);
    for (int p = 1; p <= il_podpor; ++p) {
        if (nu[p] < 1 || nu[p] > il_wezl)
            continue;
        const float xs = x[nu[p]];
        const auto sciana = m.X(xs, 25.0f), kreska = m.X(xs, 20.0f);
        if (!sciana || !kreska || !dol || !sciany.pierwszy_raz(*sciana, {*kreska, 0}))
            continue;
        o.linia(*sciana, 8, *sciana, *dol, penp);
        for (int y = 8; float(y) <= m.h - 40.0f; y += 10)
            o.linia(*sciana, y, *kreska, y + 5, penp);
    }
}

void sily(Obraz& o, const Miary& m, int szerokosc)
{
    const Pioro pens{zielony_jasny, 3};
    Znaki strzalki(o.scala(), szerokosc);
    const auto cy = piksel(m.cy), nad = piksel(m.cy - 5.0f), pod = piksel(m.cy + 5.0f);
    if (!cy || !nad || !pod)
        return;
    for (int j = 1; j <= il_wezl; ++j) {
        if (!(si[j] > 0.0f || si[j] < 0.0f))
            continue;
        const bool w_prawo = si[j] > 0.0f;
        const auto wezel = m.X(x[j], 25.0f), grot = m.X(x[j], w_prawo ? 35.0f : 15.0f),
                   skrzydlo = m.X(x[j], w_prawo ? 30.0f : 20.0f);
        if (!wezel || !grot || !skrzydlo || !strzalki.pierwszy_raz(*wezel, {*grot, *skrzydlo}))
            continue;
        o.linia(*wezel, *cy, *grot, *cy, pens);
        o.linia(*grot, *cy, *skrzydlo, *nad, pens);
        o.linia(*grot, *cy, *skrzydlo, *pod, pens);
    }
}

// ---- what M1D files cannot hold: distributed loads and springs ----

constexpr int rozstaw_strzalek = 16; // pixels between the small arrows of a distributed load

int znak(float v) { return v > 0.0f ? 1 : v < 0.0f ? -1 : 0; }

// One small arrow of a distributed load, 8 pixels long, centred on column c.
void strzalka(Obraz& o, int c, int cy, int kierunek)
{
    const Pioro pioro{czarny, 1};
    const int grot = c + 4 * kierunek, skrzydlo = c + kierunek;
    o.linia(c - 4 * kierunek, cy, grot, cy, pioro);
    o.linia(grot, cy, skrzydlo, cy - 3, pioro);
    o.linia(grot, cy, skrzydlo, cy + 3, pioro);
}

// Arrows evenly along the pixels [lewo, prawo) of a run of elements loaded
// the same way, one every 16 pixels and at least one.
void strzalki_odcinka(Obraz& o, float lewo, float prawo, int cy, int kierunek, Znaki& groty, int szerokosc)
{
    if (!(lewo <= prawo) || !std::isfinite(prawo - lewo))
        return;
    const float dlugosc = std::min(prawo - lewo, float(szerokosc));
    const int ile = std::max(1, int(dlugosc) / rozstaw_strzalek);
    for (int k = 0; k < ile; ++k) {
        const auto c = piksel(lewo + (float(k) + 0.5f) * (prawo - lewo) / float(ile));
        if (c && groty.pierwszy_raz(*c, {kierunek, 0}))
            strzalka(o, *c, cy, kierunek);
    }
}

// Small arrows along the axis of the elements under a distributed load,
// pointing the way q acts; consecutive elements loaded the same way share
// one row of them, so that a bar of many short elements reads as one load.
void obciazenia_ciagle(Obraz& o, const Miary& m, int szerokosc)
{
    const auto cy = piksel(m.cy);
    if (!qx || !cy)
        return;
    Znaki groty(o.scala(), szerokosc);
    for (int i = 1; i <= il_elem;) {
        const int kierunek = znak(qx[i]);
        if (!kierunek) {
            ++i;
            continue;
        }
        float lo = std::min(x[i], x[i + 1]), hi = std::max(x[i], x[i + 1]);
        for (++i; i <= il_elem && znak(qx[i]) == kierunek; ++i) {
            lo = std::min(lo, x[i + 1]);
            hi = std::max(hi, x[i + 1]);
        }
        strzalki_odcinka(o, (lo - m.x0) * m.sx + 25.0f, (hi - m.x0) * m.sx + 25.0f, *cy, kierunek, groty,
                         szerokosc);
    }
}

// A spring from (x, y) the way `kierunek` points: a zigzag to a small wall
// hatched on its far side, 37 pixels long, 7 above y to 8 below.
void sprezyna(Obraz& o, int xp, int y, int kierunek)
{
    const Pioro pioro{czarny, 1};
    const int d = kierunek;
    const int zygzak[][2] = {{0, 0},  {4, 0},   {6, -5}, {10, 5}, {14, -5},
                             {18, 5}, {22, -5}, {26, 5}, {28, 0}, {32, 0}};
    for (std::size_t k = 1; k < std::size(zygzak); ++k)
        o.linia(xp + d * zygzak[k - 1][0], y + zygzak[k - 1][1], xp + d * zygzak[k][0], y + zygzak[k][1],
                pioro);
    const int sciana = xp + 32 * d;
    o.linia(sciana, y - 7, sciana, y + 8, pioro);
    for (int h = y - 7; h <= y + 3; h += 5)
        o.linia(sciana, h, sciana + 5 * d, h + 5, pioro);
}

// The lower edge of the elements beside node j.
int pod_wezlem(const Miary& m, int j, int cy)
{
    int dol = cy;
    for (int i : {j - 1, j})
        if (i >= 1 && i <= il_elem)
            if (const auto d = piksel(m.cy + a[i] * m.sa * 0.5f))
                dol = std::max(dol, *d);
    return dol;
}

// Springs hang from the bar's lower edge at their nodes, where no force
// arrow on the axis hides them: a short stem, then the zigzag to its wall,
// towards the bar's middle.
void sprezyny(Obraz& o, const Miary& m, int szerokosc)
{
    const auto cy = piksel(m.cy), srodek = piksel(m.w * 0.5f);
    if (!ks || !cy || !srodek)
        return;
    Znaki znaki(o.scala(), szerokosc);
    for (int j = 1; j <= il_wezl; ++j) {
        const auto xp = m.X(x[j], 25.0f);
        if (ks[j] == 0.0f || !xp)
            continue;
        const int dol = pod_wezlem(m, j, *cy), y = dol + 10;
        if (!znaki.pierwszy_raz(*xp, {dol, 0}))
            continue;
        o.linia(*xp, dol, *xp, y, Pioro{czarny, 1});
        sprezyna(o, *xp, y, *xp < *srodek ? 1 : -1);
    }
}

ObrazWidoku narysuj(const UstawieniaWidoku& u, int szerokosc, int wysokosc, bool scalaj)
{
    ObrazWidoku wynik;
    if (Pusty)
        return wynik;
    Obraz o(scalaj);
    o.prostokat(0, 0, szerokosc, wysokosc, Pioro{bialy, 1}, bialy);
    if (wysokosc <= 150 || szerokosc <= 150)
        return {std::move(o).wynik(), std::nullopt};
    const Miary m = zmierz(szerokosc, wysokosc);
    if (!rysowalna(m))
        return {std::move(o).wynik(), std::nullopt};
    // Walls with their hatching, arrows at most two per column, the legend.
    const std::size_t podpory_na_ekranie = std::min<std::size_t>(std::size_t(il_podpor), std::size_t(szerokosc));
    o.zarezerwuj(512 + podpory_na_ekranie * std::size_t(wysokosc / 10 + 2) + std::size_t(szerokosc) * 6);
    if (u.napr)
        legenda(o, m, *u.knapr);
    elementy(o, m, u);
    osie(o, m);
    obciazenia_ciagle(o, m, szerokosc);
    podpory(o, m, szerokosc);
    sprezyny(o, m, szerokosc);
    sily(o, m, szerokosc);
    return {std::move(o).wynik(), Skala{m.x0, m.sx}};
}

} // namespace

ObrazWidoku rysuj(const UstawieniaWidoku& u, int szerokosc, int wysokosc)
{
    return narysuj(u, szerokosc, wysokosc, true);
}

ObrazWidoku rysuj_wszystko(const UstawieniaWidoku& u, int szerokosc, int wysokosc)
{
    return narysuj(u, szerokosc, wysokosc, false);
}
