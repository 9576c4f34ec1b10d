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

// The element's number, then its stress and derived values, each after `separator`.
void wiersz_pochodnych(Strumien& s, int i, char separator, FormatLiczby format)
{
    const WielkosciElementu w = wielkosci_elementu(i);
    s << i;
    for (const double v : {double(stress[i]), w.dlugosc, w.sila, w.odksztalcenie, w.termiczne, w.mechaniczne,
                           w.wydluzenie}) {
        s << separator;
        s.liczba(v, format);
    }
    s << '\n';
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
         "odkształcenie_mechaniczne,wydłużenie\n";
    for (int i = 1; i <= il_elem; ++i)
        wiersz_pochodnych(s, i, ',', g9);
    blok_csv(s, "\nwęzeł,przemieszczenie\n", il_wezl, nullptr, f);
    blok_csv(s, "\npodpora_w_węźle,reakcja\n", il_podpor, nu, react);
    if (bilans)
        wypisz_bilans_csv(*bilans, s);
    return s.zakoncz();
}

bool wypisz_szczegoly(Strumien& s)
{
    s << "Element\tNaprężenie\tDługość L\tSiła osiowa N\tOdkształcenie ε\tTermiczne α·ΔT\t"
         "Mechaniczne ε-α·ΔT\tWydłużenie ΔL\n";
    for (int i = 1; i <= il_elem; ++i)
        wiersz_pochodnych(s, i, '\t', g6);
    return s.zakoncz();
}
