#include "wydruk.h"

#include "model.h"
#include "pochodne.h"
#include "strumien.h"
#include "weryfikacja.h"

#include <cmath>

namespace {

constexpr FormatLiczby g9 = format_liczby("%.9g"), g6 = format_liczby("%.6g");

// 9 significant digits read back to the same float32; JSON has no NaN.
void liczba_json(Strumien& s, double v)
{
    if (std::isfinite(v))
        s.liczba(v, g9);
    else
        s << "null";
}

void tablica_json(Strumien& s, const char* nazwa, const float* v, int n)
{
    s << ",\"" << nazwa << "\":[";
    for (int i = 1; i <= n; ++i) {
        if (i > 1)
            s << ',';
        liczba_json(s, v[i]);
    }
    s << ']';
}

// A derived per-element value, in double: 9 significant digits.
template <typename Wartosc>
void tablica_pochodna_json(Strumien& s, const char* nazwa, Wartosc wartosc)
{
    s << ",\"" << nazwa << "\":[";
    for (int i = 1; i <= il_elem; ++i) {
        if (i > 1)
            s << ',';
        liczba_json(s, wartosc(i));
    }
    s << ']';
}

// The element's number, then its stress and derived values, each after
// `separator`; under distributed loads also q, the exact stresses at both
// ends and the largest displacement with its x.
void wiersz_pochodnych(Strumien& s, int i, char separator, FormatLiczby format)
{
    const WielkosciElementu w = wielkosci_elementu(i);
    s << i;
    for (const double v : {double(stress[i]), w.dlugosc, w.sila, w.odksztalcenie, w.termiczne, w.mechaniczne,
                           w.wydluzenie}) {
        s << separator;
        s.liczba(v, format);
    }
    if (qx) {
        const Ekstremum u_max = ekstremum_przemieszczenia(i);
        for (const double v : {double(qx[i]), naprezenie_w(i, 0), naprezenie_w(i, 1), u_max.u, u_max.x}) {
            s << separator;
            s.liczba(v, format);
        }
    }
    s << '\n';
}

// Node, stiffness and force -k·u of every spring.
void sprezyny(Strumien& s, const char* naglowek, char separator, FormatLiczby format)
{
    if (!ks)
        return;
    s << naglowek;
    for (int j = 1; j <= il_wezl; ++j) {
        if (ks[j] == 0.0f)
            continue;
        s << j << separator;
        s.liczba(ks[j], format) << separator;
        s.liczba(sila_sprezyny(j), format) << '\n';
    }
}

void sprezyny_json(Strumien& s)
{
    s << ",\"sprezyny\":[";
    bool pierwsza = true;
    for (int j = 1; j <= il_wezl; ++j) {
        if (ks[j] == 0.0f)
            continue;
        s << (pierwsza ? "" : ",") << "{\"wezel\":" << j << ",\"k\":";
        liczba_json(s, ks[j]);
        s << ",\"sila\":";
        liczba_json(s, sila_sprezyny(j));
        s << '}';
        pierwsza = false;
    }
    s << ']';
}

void blok_csv(Strumien& s, const char* naglowek, int ile, const int* numery, const float* v)
{
    s << naglowek;
    for (int k = 1; k <= ile; ++k) {
        s << (numery ? numery[k] : k) << ',';
        s.liczba(v[k], g9) << '\n';
    }
}

} // namespace

bool wypisz_json(Strumien& s, const Bilans* bilans)
{
    s << "{\"il_elem\":" << il_elem << ",\"il_wezl\":" << il_wezl << ",\"il_podpor\":" << il_podpor
      << ",\"il_obciaz\":" << il_obciaz;
    tablica_json(s, "f", f, il_wezl);
    tablica_json(s, "stress", stress, il_elem);
    tablica_json(s, "react", react, il_podpor);
    tablica_pochodna_json(s, "L", [](int i) { return std::fabs(dlugosc_ze_znakiem(i)); });
    tablica_pochodna_json(s, "N", sila_osiowa);
    tablica_pochodna_json(s, "eps", odksztalcenie);
    tablica_pochodna_json(s, "eps_T", odksztalcenie_termiczne);
    tablica_pochodna_json(s, "eps_m", [](int i) { return odksztalcenie(i) - odksztalcenie_termiczne(i); });
    tablica_pochodna_json(s, "dL", wydluzenie);
    if (qx) {
        tablica_json(s, "q", qx, il_elem);
        tablica_pochodna_json(s, "sigma_pocz", [](int i) { return naprezenie_w(i, 0); });
        tablica_pochodna_json(s, "sigma_kon", [](int i) { return naprezenie_w(i, 1); });
        tablica_pochodna_json(s, "u_ekstr", [](int i) { return ekstremum_przemieszczenia(i).u; });
        tablica_pochodna_json(s, "x_ekstr", [](int i) { return ekstremum_przemieszczenia(i).x; });
    }
    if (ks)
        sprezyny_json(s);
    if (bilans) {
        s << ",\"bilans\":";
        wypisz_bilans_json(*bilans, s);
    }
    s << "}\n";
    return s.zakoncz();
}

bool wypisz_csv(Strumien& s, const Bilans* bilans)
{
    s << "element,naprężenie,długość,siła_osiowa,odkształcenie,odkształcenie_termiczne,"
         "odkształcenie_mechaniczne,wydłużenie"
      << (qx ? ",obciążenie_ciągłe,naprężenie_na_początku,naprężenie_na_końcu,największe_przemieszczenie,"
               "x_największego_przemieszczenia\n"
             : "\n");
    for (int i = 1; i <= il_elem; ++i)
        wiersz_pochodnych(s, i, ',', g9);
    blok_csv(s, "\nwęzeł,przemieszczenie\n", il_wezl, nullptr, f);
    blok_csv(s, "\npodpora_w_węźle,reakcja\n", il_podpor, nu, react);
    sprezyny(s, "\nsprężyna_w_węźle,sztywność,siła\n", ',', g9);
    if (bilans)
        wypisz_bilans_csv(*bilans, s);
    return s.zakoncz();
}

bool wypisz_szczegoly(Strumien& s)
{
    s << "Element\tNaprężenie\tDługość L\tSiła osiowa N\tOdkształcenie ε\tTermiczne α·ΔT\t"
         "Mechaniczne ε-α·ΔT\tWydłużenie ΔL"
      << (qx ? "\tObciążenie ciągłe q\tσ na początku\tσ na końcu\tNajwiększe |u|\tw x\n" : "\n");
    for (int i = 1; i <= il_elem; ++i)
        wiersz_pochodnych(s, i, '\t', g6);
    sprezyny(s, "\nSprężyna w węźle\tSztywność k\tSiła −k·u\n", '\t', g6);
    return s.zakoncz();
}
