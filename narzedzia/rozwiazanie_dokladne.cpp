#include "rozwiazanie_dokladne.h"

#include "analiza.h"
#include "model.h"

#include <cmath>

namespace {

// K·q = F of the bar without supports: diagonal, coupling of j with j + 1, load.
struct Uklad {
    std::vector<double> przekatna, sprzezenie, obciazenie;
};

Uklad zloz_bez_podpor()
{
    Uklad u{std::vector<double>(std::size_t(il_wezl) + 2, 0.0),
            std::vector<double>(std::size_t(il_wezl) + 2, 0.0),
            std::vector<double>(std::size_t(il_wezl) + 2, 0.0)};
    for (int j = 1; j <= il_wezl; ++j)
        u.obciazenie[j] = si[j];
    for (int i = 1; i <= il_elem; ++i) {
        const double x21 = double(x[i + 1]) - x[i];
        const double eal = double(e[i]) * a[i] / std::fabs(x21);
        const double tl = double(e[i]) * a[i] * alp[i] * dt[i] * std::fabs(x21) / x21;
        u.przekatna[i] += eal;
        u.przekatna[i + 1] += eal;
        u.sprzezenie[i] = -eal;
        u.obciazenie[i] -= tl;
        u.obciazenie[i + 1] += tl;
    }
    return u;
}

std::vector<int> podpory_wezlow()
{
    std::vector<int> ile(std::size_t(il_wezl) + 2, 0);
    for (int k = 1; k <= il_podpor; ++k)
        ++ile[nu[k]];
    return ile;
}

// Each supported node's prescribed value (the mean of its supports').
std::vector<double> wartosci_wymuszone(const std::vector<int>& ile)
{
    std::vector<double> w(std::size_t(il_wezl) + 2, 0.0);
    for (int k = 1; k <= il_podpor; ++k)
        w[nu[k]] += double(u[k]) / ile[nu[k]];
    return w;
}

void dodaj_kary(Uklad& k)
{
    for (int p = 1; p <= il_podpor; ++p) {
        k.przekatna[nu[p]] += kara;
        k.obciazenie[nu[p]] += double(kara) * u[p];
    }
}

// Rows of held nodes become q = value; their couplings move to the right-hand side.
void utwierdz(Uklad& k, const std::vector<int>& ile, const std::vector<double>& w)
{
    for (int j = 1; j < il_wezl; ++j) {
        if (ile[j] && !ile[j + 1])
            k.obciazenie[j + 1] -= k.sprzezenie[j] * w[j];
        if (!ile[j] && ile[j + 1])
            k.obciazenie[j] -= k.sprzezenie[j] * w[j + 1];
        if (ile[j] || ile[j + 1])
            k.sprzezenie[j] = 0;
    }
    for (int j = 1; j <= il_wezl; ++j)
        if (ile[j]) {
            k.przekatna[j] = 1;
            k.obciazenie[j] = w[j];
        }
}

// Thomas algorithm, in place; the load becomes the solution.
bool rozwiaz(Uklad& k)
{
    std::vector<double>& d = k.przekatna;
    std::vector<double>& b = k.obciazenie;
    for (int j = 1; j < il_wezl; ++j) {
        if (d[j] == 0 || !std::isfinite(d[j]))
            return false;
        const double c = k.sprzezenie[j] / d[j];
        d[j + 1] -= c * k.sprzezenie[j];
        b[j + 1] -= c * b[j];
    }
    if (d[il_wezl] == 0 || !std::isfinite(d[il_wezl]))
        return false;
    b[il_wezl] /= d[il_wezl];
    for (int j = il_wezl - 1; j >= 1; --j)
        b[j] = (b[j] - k.sprzezenie[j] * b[j + 1]) / d[j];
    return true;
}

std::vector<double> naprezenia(const std::vector<double>& q)
{
    std::vector<double> s(std::size_t(il_elem) + 1, 0.0);
    for (int i = 1; i <= il_elem; ++i)
        s[i] = ((q[i + 1] - q[i]) / (double(x[i + 1]) - x[i]) - double(alp[i]) * dt[i]) * e[i];
    return s;
}

// What the supports of a node must supply: K·q - F there, shared equally.
std::vector<double> reakcje_sztywne(const Uklad& k, const std::vector<double>& q, const std::vector<int>& ile)
{
    std::vector<double> r(std::size_t(il_podpor) + 1, 0.0);
    for (int p = 1; p <= il_podpor; ++p) {
        const int n = nu[p];
        double kq = k.przekatna[n] * q[n];
        if (n > 1)
            kq += k.sprzezenie[n - 1] * q[n - 1];
        if (n < il_wezl)
            kq += k.sprzezenie[n] * q[n + 1];
        r[p] = (kq - k.obciazenie[n]) / ile[n];
    }
    return r;
}

std::vector<double> reakcje_kary(const std::vector<double>& q)
{
    std::vector<double> r(std::size_t(il_podpor) + 1, 0.0);
    for (int p = 1; p <= il_podpor; ++p)
        r[p] = (double(u[p]) - q[nu[p]]) * kara;
    return r;
}

} // namespace

Rozwiazanie rozwiaz_w_podwojnej(Wiezy wiezy)
{
    Rozwiazanie w;
    const Uklad bez_podpor = zloz_bez_podpor();
    Uklad k = bez_podpor;
    const std::vector<int> ile = podpory_wezlow();
    if (wiezy == Wiezy::kara)
        dodaj_kary(k);
    else
        utwierdz(k, ile, wartosci_wymuszone(ile));
    if (!rozwiaz(k))
        return w;
    w.przemieszczenia = std::move(k.obciazenie);
    w.przemieszczenia.resize(std::size_t(il_wezl) + 1);
    w.naprezenia = naprezenia(w.przemieszczenia);
    w.reakcje = wiezy == Wiezy::kara ? reakcje_kary(w.przemieszczenia)
                                     : reakcje_sztywne(bez_podpor, w.przemieszczenia, ile);
    w.ok = true;
    return w;
}
