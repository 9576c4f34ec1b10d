#include "nauka.h"

#include "html.h"
#include "analiza.h"
#include "model.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

std::string n(double v) { return liczba_html(v); }

// The model's band and load vector, computed here a second time so that every
// intermediate value can be shown.
struct Pasmo {
    std::vector<float> przekatna, sprzezenie, obciazenie;
};

void elementy(Strumien& o, Pasmo& p)
{
    o << "<h3>1. Macierze sztywności i obciążenia termiczne elementów</h3>\n"
         "<p>Element i łączy węzły i oraz i+1. Macierz sztywności elementu to (E·A/L)·[1 −1; −1 1], "
         "wektor obciążeń termicznych to E·A·α·ΔT·[−1; 1] (znaki odwrotne, gdy współrzędne maleją).</p>\n";
    poczatek_tabeli(o, {"element", "L", "E·A/L", "k<sub>e</sub>", "E·A·α·ΔT", "f<sub>T</sub>"}, "nauka");
    for (int i = 1; i <= il_elem; ++i) {
        const float x21 = float(double(x[i + 1]) - x[i]);
        const float el = float(std::fabs(double(x21)));
        const float eal = float(double(e[i]) * a[i] / el);
        const float tl = float(double(e[i]) * alp[i] * dt[i] * a[i] * el / x21);
        const std::string macierz = "<table class=\"macierz\"><tr><td>" + n(eal) + "</td><td>" + n(-eal) +
                                    "</td></tr><tr><td>" + n(-eal) + "</td><td>" + n(eal) +
                                    "</td></tr></table>";
        const std::string wektor = "<table class=\"macierz\"><tr><td>" + n(-tl) + "</td></tr><tr><td>" +
                                   n(tl) + "</td></tr></table>";
        wiersz_html(o, i, n(el), n(eal), macierz, n(tl), wektor);
        p.obciazenie[std::size_t(i)] = float(double(p.obciazenie[std::size_t(i)]) - tl);
        p.obciazenie[std::size_t(i) + 1] = float(double(p.obciazenie[std::size_t(i) + 1]) + tl);
        p.przekatna[std::size_t(i)] = float(double(p.przekatna[std::size_t(i)]) + eal);
        p.przekatna[std::size_t(i) + 1] = float(double(p.przekatna[std::size_t(i) + 1]) + eal);
        p.sprzezenie[std::size_t(i)] = float(double(p.sprzezenie[std::size_t(i)]) - eal);
    }
    koniec_tabeli(o);
}

// Distributed loads as consistent nodal loads and the springs, as the
// assembly adds them after the elements' own terms.
void obciazenia_ciagle_i_sprezyny(Strumien& o, Pasmo& p)
{
    if (qx) {
        o << "<h3>1a. Obciążenia ciągłe</h3>\n<p>Obciążenie q elementu daje w każdym z jego węzłów siłę "
             "q·L/2 (wektor obciążeń zgodnych z funkcjami kształtu: q·L/2·[1; 1]).</p>\n";
        poczatek_tabeli(o, {"element", "q", "q·L/2", "f[i]", "f[i+1]"}, "nauka");
        for (int i = 1; i <= il_elem; ++i) {
            const float pol = float(double(qx[i]) * float(std::fabs(double(float(double(x[i + 1]) - x[i])))) / 2.0);
            if (pol == 0.0f)
                continue;
            const std::size_t w = std::size_t(i);
            p.obciazenie[w] = float(double(p.obciazenie[w]) + pol);
            p.obciazenie[w + 1] = float(double(p.obciazenie[w + 1]) + pol);
            wiersz_html(o, i, n(qx[i]), n(pol), n(p.obciazenie[w]), n(p.obciazenie[w + 1]));
        }
        koniec_tabeli(o);
    }
    if (ks) {
        o << "<h3>1b. Sprężyny</h3>\n<p>Sprężyna o sztywności k w węźle j dodaje k do przekątnej: "
             "s[j][1] += k.</p>\n";
        poczatek_tabeli(o, {"węzeł j", "k", "s[j][1]"}, "nauka");
        for (int j = 1; j <= il_wezl; ++j) {
            if (ks[j] == 0.0f)
                continue;
            const std::size_t w = std::size_t(j);
            p.przekatna[w] = float(double(p.przekatna[w]) + ks[j]);
            wiersz_html(o, j, n(ks[j]), n(p.przekatna[w]));
        }
        koniec_tabeli(o);
    }
}

void pasmo(Strumien& o, const Pasmo& p, const char* tytul)
{
    o << tytul;
    poczatek_tabeli(o, {"węzeł j", "s[j][1] (przekątna)", "s[j][2] (sprzężenie z j+1)", "f[j]"}, "nauka");
    for (int j = 1; j <= il_wezl; ++j)
        wiersz_html(o, j, n(p.przekatna[std::size_t(j)]), n(p.sprzezenie[std::size_t(j)]),
                    n(p.obciazenie[std::size_t(j)]));
    koniec_tabeli(o);
}

void kary(Strumien& o, Pasmo& p)
{
    o << "<h3>3. Podpory metodą kary</h3>\n<p>Każda podpora k w węźle n dodaje sprężynę o sztywności "
         "C = 1e10: s[n][1] += C, f[n] += C·u<sub>k</sub>.</p>\n";
    poczatek_tabeli(o, {"podpora", "węzeł n", "u", "s[n][1]", "f[n]"}, "nauka");
    for (int k = 1; k <= il_podpor; ++k) {
        const std::size_t w = std::size_t(nu[k]);
        p.przekatna[w] = float(double(p.przekatna[w]) + kara);
        p.obciazenie[w] = float(double(p.obciazenie[w]) + double(kara) * u[k]);
        wiersz_html(o, k, nu[k], n(u[k]), n(p.przekatna[w]), n(p.obciazenie[w]));
    }
    koniec_tabeli(o);
}

void eliminacja(Strumien& o, Pasmo& p)
{
    o << "<h3>4. Eliminacja Gaussa (bez wyboru elementu głównego)</h3>\n<p>Dla k = 1…n−1: "
         "c = s[k][2] / s[k][1]; s[k+1][1] −= c·s[k][2]; f[k+1] −= c·f[k].</p>\n";
    poczatek_tabeli(o, {"k", "c", "s[k+1][1]", "f[k+1]"}, "nauka");
    for (std::size_t k = 1; k < std::size_t(il_wezl); ++k) {
        const float c = float(double(p.sprzezenie[k]) / p.przekatna[k]);
        p.przekatna[k + 1] = float(double(p.przekatna[k + 1]) - double(c) * p.sprzezenie[k]);
        p.obciazenie[k + 1] = float(double(p.obciazenie[k + 1]) - double(c) * p.obciazenie[k]);
        wiersz_html(o, k, n(c), n(p.przekatna[k + 1]), n(p.obciazenie[k + 1]));
    }
    koniec_tabeli(o);
}

void podstawianie(Strumien& o, Pasmo& p)
{
    o << "<h3>5. Podstawianie wstecz</h3>\n<p>u<sub>n</sub> = f[n] / s[n][1]; dla i = n−1…1: "
         "u<sub>i</sub> = (f[i] − s[i][2]·u<sub>i+1</sub>) / s[i][1].</p>\n";
    poczatek_tabeli(o, {"węzeł i", "u<sub>i</sub>"}, "nauka");
    std::vector<float>& q = p.obciazenie;
    const std::size_t ost = std::size_t(il_wezl);
    q[ost] = float(double(q[ost]) / p.przekatna[ost]);
    wiersz_html(o, ost, n(q[ost]));
    for (std::size_t i = ost - 1; i >= 1; --i) {
        const float suma = float(0.0 + double(p.sprzezenie[i]) * q[i + 1]);
        q[i] = float((double(q[i]) - suma) / p.przekatna[i]);
        wiersz_html(o, i, n(q[i]));
    }
    koniec_tabeli(o);
}

void naprezenia_i_reakcje(Strumien& o, const std::vector<float>& q)
{
    o << "<h3>6. Naprężenia i reakcje</h3>\n<p>σ<sub>i</sub> = ((u<sub>i+1</sub> − u<sub>i</sub>) / "
         "(x<sub>i+1</sub> − x<sub>i</sub>) − α·ΔT)·E; reakcja podpory k: R<sub>k</sub> = (u<sub>k</sub> − "
         "u<sub>n</sub>)·C.</p>\n";
    poczatek_tabeli(o, {"element", "σ"}, "nauka");
    for (int i = 1; i <= il_elem; ++i) {
        const float s =
            float(((double(q[std::size_t(i) + 1]) - q[std::size_t(i)]) / (double(x[i + 1]) - x[i]) -
                   double(alp[i]) * dt[i]) *
                  e[i]);
        wiersz_html(o, i, n(s));
    }
    koniec_tabeli(o);
    poczatek_tabeli(o, {"podpora", "węzeł", "R"}, "nauka");
    for (int k = 1; k <= il_podpor; ++k)
        wiersz_html(o, k, nu[k], n(float((double(u[k]) - q[std::size_t(nu[k])]) * kara)));
    koniec_tabeli(o);
    if (!ks)
        return;
    o << "<p>Siła sprężyny w węźle j: −k·u<sub>j</sub>.</p>\n";
    poczatek_tabeli(o, {"węzeł", "k", "−k·u"}, "nauka");
    for (int j = 1; j <= il_wezl; ++j)
        if (ks[j] != 0.0f)
            wiersz_html(o, j, n(ks[j]), n(-double(ks[j]) * q[std::size_t(j)]));
    koniec_tabeli(o);
}

} // namespace

void opisz_krok_po_kroku(Strumien& o)
{
    const std::size_t rozmiar = std::size_t(il_wezl) + 1;
    Pasmo p{std::vector<float>(rozmiar, 0.0f), std::vector<float>(rozmiar, 0.0f),
            std::vector<float>(rozmiar, 0.0f)};
    for (int j = 1; j <= il_wezl; ++j)
        p.obciazenie[std::size_t(j)] = si[j];
    elementy(o, p);
    obciazenia_ciagle_i_sprezyny(o, p);
    pasmo(o, p, "<h3>2. Złożone pasmo sztywności i wektor obciążeń (przed podporami)</h3>\n");
    kary(o, p);
    pasmo(o, p, "<p>Pasmo po dodaniu kar:</p>\n");
    eliminacja(o, p);
    podstawianie(o, p);
    naprezenia_i_reakcje(o, p.obciazenie);
}
