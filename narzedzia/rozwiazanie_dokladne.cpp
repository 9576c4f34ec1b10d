#include "rozwiazanie_dokladne.h"

#include "analiza.h"
#include "model.h"
#include "podpory_po_wezlach.h"

#include <algorithm>
#include <cmath>

namespace {

// An element's stiffness E·A/L, its thermal nodal force E·A·α·ΔT, signed by
// its direction, and half its distributed load q·L/2.
struct Element {
    double eal, tl, ql;
};

Element element(int i)
{
    const double x21 = double(x[i + 1]) - x[i];
    return {double(e[i]) * a[i] / std::fabs(x21), double(e[i]) * a[i] * alp[i] * dt[i] * std::fabs(x21) / x21,
            double(obciazenie_ciagle(i)) * std::fabs(x21) / 2};
}

// Row j of the bar without supports (its spring included): diagonal,
// coupling with j + 1, load; summed in the order of an element-by-element scatter.
struct Wiersz {
    double przekatna, sprzezenie, obciazenie;
};

// `lewy`: element j - 1 (ignored for j = 1), `prawy`: element j (ignored for the last node).
Wiersz wiersz_bez_podpor(int j, const Element& lewy, const Element& prawy)
{
    Wiersz w{0.0, 0.0, double(si[j])};
    if (j > 1) {
        w.przekatna += lewy.eal;
        w.obciazenie += lewy.tl + lewy.ql;
    }
    if (j < il_wezl) {
        w.przekatna += prawy.eal;
        w.sprzezenie = -prawy.eal;
        w.obciazenie += prawy.ql - prawy.tl;
    }
    w.przekatna += sztywnosc_sprezyny(j);
    return w;
}

Element element_lub_zero(int i) { return i >= 1 && i <= il_elem ? element(i) : Element{0, 0, 0}; }

Wiersz wiersz_bez_podpor(int j) { return wiersz_bez_podpor(j, element_lub_zero(j - 1), element_lub_zero(j)); }

// What the supports do to one node: its supports' place in the sorted list,
// and how many hold it at what mean value.
struct Wezel {
    std::size_t od = 0, do_ = 0;
    double wartosc = 0;
    int ile() const { return int(do_ - od); }
};

// The rows of the system with its supports, node after node from any node
// on: each node's supports are found in the sorted list as the nodes go by,
// and the neighbours' held values are kept at hand.
class Rzedy {
public:
    Rzedy(Wiezy wiezy, const std::vector<int>& podpory) : wiezy_(wiezy), podpory_(podpory) {}

    // Row j; rows come in increasing order, a new run may start anywhere.
    Wiersz wiersz(int j)
    {
        if (j != j_ + 1) {
            pozycja_ = std::size_t(std::lower_bound(podpory_.begin(), podpory_.end(), j - 1,
                                                    [](int p, int wezel) { return nu[p] < wezel; }) -
                                   podpory_.begin());
            poprzedni_ = wezel(j - 1);
            biezacy_ = wezel(j);
            nastepny_ = wezel(j + 1);
            prawy_ = element_lub_zero(j - 1);
        } else {
            poprzedni_ = biezacy_;
            biezacy_ = nastepny_;
            nastepny_ = wezel(j + 1);
        }
        j_ = j;
        lewy_ = prawy_; // element j - 1 was the right one of the row before
        prawy_ = element_lub_zero(j);
        return wiezy_ == Wiezy::kara ? z_karami(j) : utwierdzony(j);
    }

private:
    Wezel wezel(int j)
    {
        Wezel w;
        if (j < 1 || j > il_wezl)
            return w;
        while (pozycja_ < podpory_.size() && nu[podpory_[pozycja_]] < j)
            ++pozycja_;
        w.od = w.do_ = pozycja_;
        while (w.do_ < podpory_.size() && nu[podpory_[w.do_]] == j)
            ++w.do_;
        for (std::size_t m = w.od; m < w.do_; ++m)
            w.wartosc += double(u[podpory_[m]]) / w.ile();
        return w;
    }

    // Each support a spring of `kara` on its node's diagonal and load, in support order.
    Wiersz z_karami(int j) const
    {
        Wiersz w = wiersz_bez_podpor(j, lewy_, prawy_);
        for (std::size_t m = biezacy_.od; m < biezacy_.do_; ++m) {
            w.przekatna += kara;
            w.obciazenie += double(kara) * u[podpory_[m]];
        }
        return w;
    }

    // A held node's row is q = its value; the couplings with it move to the
    // neighbours' loads.
    Wiersz utwierdzony(int j) const
    {
        Wiersz w = wiersz_bez_podpor(j, lewy_, prawy_);
        if (poprzedni_.ile() && !biezacy_.ile())
            w.obciazenie -= -lewy_.eal * poprzedni_.wartosc;
        if (!biezacy_.ile() && nastepny_.ile())
            w.obciazenie -= w.sprzezenie * nastepny_.wartosc;
        if (biezacy_.ile() || nastepny_.ile())
            w.sprzezenie = 0;
        if (biezacy_.ile()) {
            w.przekatna = 1;
            w.obciazenie = biezacy_.wartosc;
        }
        return w;
    }

    Wiezy wiezy_;
    const std::vector<int>& podpory_;
    std::size_t pozycja_ = 0;
    int j_ = -1;
    Wezel poprzedni_, biezacy_, nastepny_;
    Element lewy_{}, prawy_{};
};

bool pewny_wiodacy(double d) { return d != 0 && std::isfinite(d); }

// Rows of the back substitution held at a time: the forward sweep keeps the
// pivot of each block's first row, and each block's pivots and couplings are
// found again from it when the back substitution reaches the block.
constexpr int blok = 4096;

} // namespace

Rozwiazanie rozwiaz_w_podwojnej(Wiezy wiezy)
{
    Rozwiazanie w;
    w.wiezy_ = wiezy;
    w.podpory_po_wezlach_ = podpory_po_wezlach();
    const int n = il_wezl;
    // The eliminated loads first, the displacements at the end; each written
    // once as the sweep reaches it, never cleared before.
    std::vector<double>& q = w.przemieszczenia;
    q.reserve(std::size_t(n) + 1);
    std::vector<double> wiodace_blokow;
    Rzedy rzedy(wiezy, w.podpory_po_wezlach_);

    Wiersz biezacy = rzedy.wiersz(1);
    double d = biezacy.przekatna;
    q.push_back(0.0);
    q.push_back(biezacy.obciazenie);
    for (int j = 1; j < n; ++j) {
        if ((j - 1) % blok == 0)
            wiodace_blokow.push_back(d);
        if (!pewny_wiodacy(d)) {
            q.resize(std::size_t(n) + 1); // zeros where the sweep did not reach
            return w;
        }
        const Wiersz nastepny = rzedy.wiersz(j + 1);
        const double c = biezacy.sprzezenie / d;
        d = nastepny.przekatna - c * biezacy.sprzezenie;
        q.push_back(nastepny.obciazenie - c * q[std::size_t(j)]);
        biezacy = nastepny;
    }
    if (!pewny_wiodacy(d)) {
        q.resize(std::size_t(n) + 1);
        return w;
    }
    q[std::size_t(n)] /= d;

    std::vector<double> wiodace(blok), sprzezenia(blok);
    for (int b = int(wiodace_blokow.size()) - 1; b >= 0; --b) {
        const int od = b * blok + 1, do_ = std::min(n - 1, od + blok - 1);
        double dj = wiodace_blokow[std::size_t(b)];
        Wiersz r = rzedy.wiersz(od);
        for (int j = od; j <= do_; ++j) {
            wiodace[std::size_t(j - od)] = dj;
            sprzezenia[std::size_t(j - od)] = r.sprzezenie;
            if (j < do_) {
                const Wiersz nastepny = rzedy.wiersz(j + 1);
                dj = nastepny.przekatna - r.sprzezenie / dj * r.sprzezenie;
                r = nastepny;
            }
        }
        for (int j = do_; j >= od; --j)
            q[std::size_t(j)] = (q[std::size_t(j)] - sprzezenia[std::size_t(j - od)] * q[std::size_t(j) + 1]) /
                                wiodace[std::size_t(j - od)];
    }
    w.ok = true;
    return w;
}


double Rozwiazanie::naprezenie(int i) const
{
    const std::vector<double>& q = przemieszczenia;
    return ((q[std::size_t(i) + 1] - q[std::size_t(i)]) / (double(x[i + 1]) - x[i]) - double(alp[i]) * dt[i]) * e[i];
}

double Rozwiazanie::reakcja(int p) const
{
    const std::vector<double>& q = przemieszczenia;
    const int n = nu[p];
    if (wiezy_ == Wiezy::kara)
        return (double(u[p]) - q[std::size_t(n)]) * kara;
    // What the node's supports must supply: K·q - F of the bar without supports, shared equally.
    const Wiersz w = wiersz_bez_podpor(n);
    double kq = w.przekatna * q[std::size_t(n)];
    if (n > 1)
        kq += -element(n - 1).eal * q[std::size_t(n) - 1];
    if (n < il_wezl)
        kq += w.sprzezenie * q[std::size_t(n) + 1];
    const auto [od, do_] = std::equal_range(podpory_po_wezlach_.begin(), podpory_po_wezlach_.end(), p,
                                            [](int a, int b) { return nu[a] < nu[b]; });
    return (kq - w.obciazenie) / double(do_ - od);
}
