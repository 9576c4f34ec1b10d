#include "bilans.h"

#include "format.h"
#include "model.h"
#include "podpory_po_wezlach.h"
#include "rozwiazanie_dokladne.h"

#include <cmath>
#include <future>
#include <vector>

namespace {

template <typename Zenta, typename Wzorzec>
Roznica roznica(Zenta zenta, Wzorzec wzorzec, int ile)
{
    Roznica r;
    double skala = 0, najwieksza = -1;
    for (int k = 1; k <= ile; ++k) {
        const double w = wzorzec(k);
        skala = std::fmax(skala, std::fabs(w));
        const double d = std::fabs(zenta(k) - w);
        if (d > najwieksza || std::isnan(d)) {
            najwieksza = std::isnan(d) ? INFINITY : d;
            r.gdzie = k;
        }
    }
    if (r.gdzie == 0)
        return r;
    r.zenta = zenta(r.gdzie);
    r.wzorzec = wzorzec(r.gdzie);
    r.bezwzgledna = skala == 0;
    r.wzgledna = r.bezwzgledna ? najwieksza : najwieksza / skala;
    return r;
}

// What the analysis stored, item by item.
double przemieszczenie(int j) { return f[j]; }
double naprezenie(int i) { return stress[i]; }
double reakcja(int p) { return react[p]; }

// The displacements, stresses and reactions of a solution, item by item.
auto przemieszczenia(const Rozwiazanie& r)
{
    return [&r](int j) { return r.przemieszczenia[std::size_t(j)]; };
}
auto naprezenia(const Rozwiazanie& r)
{
    return [&r](int i) { return r.naprezenie(i); };
}
auto reakcje(const Rozwiazanie& r)
{
    return [&r](int p) { return r.reakcja(p); };
}

Roznice porownaj_z_analiza(const Rozwiazanie& wzorzec)
{
    return {roznica(przemieszczenie, przemieszczenia(wzorzec), il_wezl),
            roznica(naprezenie, naprezenia(wzorzec), il_elem), roznica(reakcja, reakcje(wzorzec), il_podpor)};
}

Roznice porownaj(const Rozwiazanie& r, const Rozwiazanie& wzorzec)
{
    return {roznica(przemieszczenia(r), przemieszczenia(wzorzec), il_wezl),
            roznica(naprezenia(r), naprezenia(wzorzec), il_elem), roznica(reakcje(r), reakcje(wzorzec), il_podpor)};
}

void policz_rownowage(Bilans& b)
{
    double skala = 0;
    for (int j = 1; j <= il_wezl; ++j) {
        b.suma_sil += si[j];
        skala += std::fabs(si[j]);
    }
    for (int k = 1; k <= il_podpor; ++k) {
        b.suma_reakcji += react[k];
        skala += std::fabs(react[k]);
    }
    for (int i = 1; qx && i <= il_elem; ++i) {
        const double q = double(qx[i]) * std::fabs(double(x[i + 1]) - x[i]);
        b.suma_obciazen_ciaglych += q;
        skala += std::fabs(q);
    }
    for (int j = 1; ks && j <= il_wezl; ++j) {
        const double sila = sila_sprezyny(j);
        b.suma_sil_sprezyn += sila;
        skala += std::fabs(sila);
    }
    b.residuum = b.suma_sil + b.suma_obciazen_ciaglych + b.suma_reakcji + b.suma_sil_sprezyn;
    b.residuum_wzgledne = skala > 0 ? std::fabs(b.residuum) / skala : std::fabs(b.residuum);
}

struct SilyElementu {
    double sprezysta = 0, termiczna = 0; // on its second node; the first gets their opposites
    double polowa_obciazenia = 0;        // q·L/2, on each of its nodes
};

SilyElementu sily_elementu(int i)
{
    const double x21 = double(x[i + 1]) - x[i], el = std::fabs(x21);
    return {double(e[i]) * a[i] / el * (double(f[i + 1]) - f[i]),
            double(e[i]) * alp[i] * dt[i] * a[i] * el / x21, double(obciazenie_ciagle(i)) * el / 2};
}

// Each node's equation: Σ elastic forces + spring - force - thermal and
// distributed loads - reactions, summed in double from the stored floats,
// with the sum of its terms' sizes.
// Node after node, each term in the order of a scatter of the forces, the
// reactions and then the elements: the same sums without two arrays the
// size of the model.
void policz_rownowage_wezlow(Bilans& b)
{
    const std::vector<int> podpory = podpory_po_wezlach();
    std::size_t m = 0;
    SilyElementu lewy;
    double skala = 0, najwieksze = -1;
    for (int j = 1; j <= il_wezl; ++j) {
        double r = 0, wielkosc = 0;
        const auto dodaj = [&](double v) {
            r += v;
            wielkosc += std::fabs(v);
        };
        dodaj(-double(si[j]));
        for (; m < podpory.size() && nu[podpory[m]] <= j; ++m)
            if (nu[podpory[m]] == j)
                dodaj(-double(react[podpory[m]]));
        if (j > 1) {
            dodaj(lewy.sprezysta);
            dodaj(-lewy.termiczna);
            if (lewy.polowa_obciazenia != 0)
                dodaj(-lewy.polowa_obciazenia);
        }
        if (j < il_wezl) {
            lewy = sily_elementu(j);
            dodaj(-lewy.sprezysta);
            dodaj(lewy.termiczna);
            if (lewy.polowa_obciazenia != 0)
                dodaj(-lewy.polowa_obciazenia);
        }
        if (ks && ks[j] != 0)
            dodaj(double(ks[j]) * f[j]);
        skala = std::fmax(skala, wielkosc);
        const double v = std::fabs(r);
        if (v > najwieksze || std::isnan(v)) {
            najwieksze = std::isnan(v) ? INFINITY : v;
            b.wezel = j;
            b.residuum_wezla = r;
        }
    }
    b.residuum_wezla_wzgledne = skala > 0 ? najwieksze / skala : najwieksze;
}

std::string g(double v) { return printf_liczby("%.6g", v); }

std::string opis_roznicy(const char* wielkosc, const char* gdzie, const Roznica& r)
{
    if (r.gdzie == 0)
        return std::string(wielkosc) + ": brak";
    return std::string(wielkosc) + ": największa różnica " + (r.bezwzgledna ? "bezwzględna " : "względna ") +
           printf_liczby("%.2e", r.wzgledna) + " " + gdzie + " " + std::to_string(r.gdzie) + " (ZENTA " +
           g(r.zenta) + ", dokładnie " + g(r.wzorzec) + ")";
}

std::string udzialy(const char* wielkosc, const Roznica& kara, const Roznica& precyzja)
{
    return std::string("  ") + wielkosc + ": kara " + printf_liczby("%.2e", kara.wzgledna) +
           ", pojedyncza precyzja " + printf_liczby("%.2e", precyzja.wzgledna);
}

Bilans bilans(const Rozwiazanie& z_kara, const Rozwiazanie& dokladne)
{
    Bilans b;
    policz_rownowage(b);
    policz_rownowage_wezlow(b);
    if (!dokladne.ok || !z_kara.ok)
        return b;
    b.rozwiazano = true;
    b.calkowite = porownaj_z_analiza(dokladne);
    b.od_kary = porownaj(z_kara, dokladne);
    b.od_precyzji = porownaj_z_analiza(z_kara);
    return b;
}

} // namespace

// The two solutions do not depend on each other: the penalised one is found
// on a second thread meanwhile.
Bilans policz_bilans()
{
    std::future<Rozwiazanie> z_kara =
        std::async(std::launch::async, [] { return rozwiaz_w_podwojnej(Wiezy::kara); });
    const Rozwiazanie dokladne = rozwiaz_w_podwojnej(Wiezy::sztywne);
    return bilans(z_kara.get(), dokladne);
}

Bilans policz_bilans(const Rozwiazanie& z_kara)
{
    return bilans(z_kara, rozwiaz_w_podwojnej(Wiezy::sztywne));
}

std::vector<std::string> opisz_bilans(const Bilans& b)
{
    std::vector<std::string> w;
    std::string dodatki;
    if (qx)
        dodatki += ", obciążeń ciągłych " + g(b.suma_obciazen_ciaglych);
    if (ks)
        dodatki += ", sił sprężyn " + g(b.suma_sil_sprezyn);
    w.push_back("Równowaga całego pręta: suma sił węzłowych " + g(b.suma_sil) + dodatki + ", suma reakcji " +
                g(b.suma_reakcji));
    w.push_back("  residuum " + g(b.residuum) + " (względnie " + printf_liczby("%.2e", b.residuum_wzgledne) +
                ")");
    w.push_back(std::string("Równowaga węzłów (siły sprężyste, siły węzłowe, obciążenia termiczne") +
                (qx ? ", obciążenia ciągłe" : "") + (ks ? ", siły sprężyn" : "") + ", reakcje):");
    w.push_back("  największe residuum " + g(b.residuum_wezla) + " w węźle " + std::to_string(b.wezel) +
                " (względnie " + printf_liczby("%.2e", b.residuum_wezla_wzgledne) + ")");
    if (!b.rozwiazano) {
        w.push_back("Rozwiązania niezależnego nie udało się wyznaczyć: układ jest osobliwy "
                    "(zerowa lub nieskończona sztywność; --sprawdz wskaże przyczynę).");
        return w;
    }
    w.push_back("Porównanie z rozwiązaniem niezależnym (podwójna precyzja, wymuszenia spełnione dokładnie, "
                "bez kary):");
    w.push_back("  " + opis_roznicy("przemieszczenia", "w węźle", b.calkowite.przemieszczenia));
    w.push_back("  " + opis_roznicy("naprężenia", "w elemencie", b.calkowite.naprezenia));
    w.push_back("  " + opis_roznicy("reakcje", "przy podporze", b.calkowite.reakcje));
    w.push_back(
        "Skąd różnice (kara: podpory jako sprężyny 1e10; pojedyncza precyzja: zapis liczb w float32):");
    w.push_back(udzialy("przemieszczenia", b.od_kary.przemieszczenia, b.od_precyzji.przemieszczenia));
    w.push_back(udzialy("naprężenia", b.od_kary.naprezenia, b.od_precyzji.naprezenia));
    w.push_back(udzialy("reakcje", b.od_kary.reakcje, b.od_precyzji.reakcje));
    return w;
}
