#include "poza_zakresem.h"

#include "format.h"
#include "model.h"
#include "pochodne.h"
#include "podpory_po_wezlach.h"
#include "rodzaj_uwag.h"
#include "wyrazy.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {

const char* const poza_zakresem = " przekracza zakres liczb pojedynczej precyzji (do 3.4e+38)";

std::string g(double v) { return printf_liczby("%g", v); }
std::string nr(int k) { return std::to_string(k); }

WyrazyElementu wyrazy(int i) { return wyrazy_elementu(x[i], x[i + 1], e[i], a[i], alp[i], dt[i]); }
bool w_zakresie(const WyrazyElementu& w) { return std::isfinite(w.eal) && std::isfinite(w.tl); }

struct Wiersz {
    float przekatna, sprzezenie, obciazenie;
    bool z_elementow_w_zakresie; // the terms of both elements beside the node are finite
};

// The rows Macierze assembles, node after node from node 1, bit for bit:
// the elements' terms, distributed loads and springs, then the penalties.
class Uklad {
public:
    Wiersz nastepny()
    {
        ++j_;
        const bool ostatni = j_ == il_wezl;
        const WyrazyElementu prawy = ostatni ? WyrazyElementu{-0.0f, +0.0f} : wyrazy(j_);
        const float pol_prawy = ostatni || !qx ? 0.0f : pol_obciazenia(x[j_], x[j_ + 1], qx[j_]);
        Wiersz w{przekatna(lewy_.eal, prawy.eal), ostatni ? 0.0f : sprzezenie(prawy.eal),
                 obciazenie(si[j_], lewy_.tl, prawy.tl), w_zakresie(lewy_) && w_zakresie(prawy)};
        w.obciazenie = dodaj_wyraz(dodaj_wyraz(w.obciazenie, pol_lewy_), pol_prawy);
        w.przekatna = dodaj_wyraz(w.przekatna, sztywnosc_sprezyny(j_));
        for (; p_ < podpory_.size() && nu[podpory_[p_]] <= j_; ++p_)
            if (nu[podpory_[p_]] == j_)
                dodaj_kare(w.przekatna, w.obciazenie, u[podpory_[p_]]);
        lewy_ = prawy;
        pol_lewy_ = pol_prawy;
        return w;
    }

private:
    std::vector<int> podpory_ = podpory_po_wezlach();
    std::size_t p_ = 0;
    int j_ = 0;
    WyrazyElementu lewy_{-0.0f, -0.0f};
    float pol_lewy_ = 0.0f;
};

std::string opis_sztywnosci(int i, float eal)
{
    const double ea = double(e[i]) * a[i], l = std::fabs(double(x[i + 1]) - x[i]);
    const std::string t = "Element " + nr(i) + ": E·A/L = " + g(ea) + " / " + g(l) + " = " + g(ea / l);
    if (eal == 0)
        return t +
               " jest mniejsze od najmniejszej liczby pojedynczej precyzji i staje się zerem (element traci "
               "sztywność)";
    return t + poza_zakresem;
}

void sprawdz_elementy(std::vector<Uwaga>& u)
{
    Rodzaj dlugosci(u, Waga::blad, "elementy o długości spoza zakresu liczb pojedynczej precyzji");
    Rodzaj sztywnosci(u, Waga::blad, "elementy o E·A/L spoza zakresu liczb pojedynczej precyzji");
    Rodzaj termiczne(u, Waga::blad, "elementy o sile termicznej spoza zakresu liczb pojedynczej precyzji");
    for (int i = 1; i <= il_elem; ++i) {
        const double x21 = double(x[i + 1]) - x[i];
        if (x21 == 0 || double(e[i]) * a[i] == 0) // errors of their own
            continue;
        if (!std::isfinite(float(x21))) {
            dlugosci.dodaj(
                [&] { return "Element " + nr(i) + ": długość L = " + g(std::fabs(x21)) + poza_zakresem; });
            continue;
        }
        const WyrazyElementu w = wyrazy(i);
        if (!std::isfinite(w.eal) || w.eal == 0)
            sztywnosci.dodaj([&] { return opis_sztywnosci(i, w.eal); });
        if (!std::isfinite(w.tl))
            termiczne.dodaj([&] {
                return "Element " + nr(i) +
                       ": siła termiczna E·A·α·ΔT = " + g(double(e[i]) * a[i] * alp[i] * dt[i]) +
                       poza_zakresem;
            });
    }
}

void sprawdz_wezly(std::vector<Uwaga>& u)
{
    Rodzaj wezly(u, Waga::blad, "węzły o sztywności lub obciążeniu spoza zakresu liczb pojedynczej precyzji");
    Uklad uklad;
    for (int j = 1; j <= il_wezl; ++j) {
        const Wiersz w = uklad.nastepny();
        if (!w.z_elementow_w_zakresie) // the element is named
            continue;
        if (!std::isfinite(w.przekatna))
            wezly.dodaj([&] {
                return "Węzeł " + nr(j) + ": suma sztywności E·A/L elementów przy węźle, jego sprężyny i kar " +
                       "jego podpór" + poza_zakresem;
            });
        if (!std::isfinite(w.obciazenie))
            wezly.dodaj([&] {
                return "Węzeł " + nr(j) +
                       ": obciążenie (siła, siły termiczne i obciążenia ciągłe elementów przy węźle, kara " +
                       "razy wymuszenie jego podpór)" + poza_zakresem;
            });
    }
}

std::string opis_wiodacego(int k, float d)
{
    const int pierwszy = std::max(1, k - 1), ostatni = std::min(k, il_elem);
    std::string elementy = nr(pierwszy), sztywnosci = g(wyrazy(pierwszy).eal);
    if (ostatni != pierwszy) {
        elementy += " i " + nr(ostatni);
        sztywnosci += " i " + g(wyrazy(ostatni).eal);
    }
    return "Węzeł " + nr(k) + ": eliminacja w liczbach pojedynczej precyzji zostawia węzłowi sztywność " +
           g(d) + " zamiast dodatniej: sztywności E·A/L elementów " + elementy + " (" + sztywnosci +
           ") i reszty pręta różnią się o więcej rzędów, niż mieści 7 cyfr liczby pojedynczej precyzji";
}

// The elimination as Oblicz computes it: the first node whose pivot is not a
// positive finite float, or whose load is not finite.
std::optional<std::string> przyczyna_w_eliminacji()
{
    Uklad uklad;
    Wiersz w = uklad.nastepny();
    float d = w.przekatna, obc = w.obciazenie;
    for (int k = 1;; ++k) {
        if (!(d > 0.0f && std::isfinite(d)))
            return opis_wiodacego(k, d);
        if (!std::isfinite(obc))
            return "Węzeł " + nr(k) + ": obciążenie w eliminacji" + poza_zakresem +
                   ": siły są zbyt duże wobec sztywności pręta";
        if (k == il_wezl)
            return std::nullopt;
        const float c = wspolczynnik_eliminacji(w.sprzezenie, d), sprzezenie_wiodace = w.sprzezenie;
        w = uklad.nastepny();
        d = po_eliminacji(w.przekatna, c, sprzezenie_wiodace);
        obc = po_eliminacji(w.obciazenie, c, obc);
    }
}

// The back substitution runs from the last node down: the highest node not finite is where it left the range.
std::string przyczyna_wynikow()
{
    if (std::optional<std::string> p = przyczyna_w_eliminacji())
        return *p;
    for (int j = il_wezl; j >= 1; --j)
        if (!std::isfinite(f[j]))
            return "Węzeł " + nr(j) + ": przemieszczenie" + poza_zakresem +
                   ": siły są zbyt duże wobec sztywności pręta";
    for (int i = 1; i <= il_elem; ++i)
        if (!std::isfinite(stress[i]))
            return "Element " + nr(i) + ": naprężenie E·(ε − α·ΔT) = " +
                   g((odksztalcenie(i) - odksztalcenie_termiczne(i)) * e[i]) + poza_zakresem;
    for (int p = 1; p <= il_podpor; ++p)
        if (!std::isfinite(react[p]))
            return "Podpora " + nr(p) + " (węzeł " + nr(nu[p]) +
                   "): reakcja (wymuszenie − przemieszczenie)·1e10 = " + g((double(u[p]) - f[nu[p]]) * kara) +
                   poza_zakresem;
    return {};
}

} // namespace

void sprawdz_zakres_danych(std::vector<Uwaga>& uwagi)
{
    sprawdz_elementy(uwagi);
    sprawdz_wezly(uwagi);
}

void sprawdz_zakres_wynikow(std::vector<Uwaga>& uwagi)
{
    if (wynik_nieliczbowy())
        uwagi.push_back({Waga::blad, przyczyna_wynikow()});
}
