#include "wydruk.h"

#include "model.h"
#include "pochodne.h"
#include "weryfikacja.h"
#include "tabele.h"

#include <cmath>
#include <string>

namespace {

using namespace tabele;

bool zakoncz(std::FILE* out) { return std::fflush(out) == 0 && !std::ferror(out); }

// Shortest form that still reads back to the same float32; JSON has no NaN.
void liczba_json(std::FILE* out, float v)
{
    if (std::isfinite(v))
        std::fprintf(out, "%.9g", double(v));
    else
        std::fputs("null", out);
}

void tablica_json(std::FILE* out, const char* nazwa, const float* v, int n)
{
    std::fprintf(out, ",\"%s\":[", nazwa);
    for (int i = 1; i <= n; ++i) {
        if (i > 1)
            std::fputc(',', out);
        liczba_json(out, v[i]);
    }
    std::fputc(']', out);
}

// Derived per-element values, in double: 9 significant digits.
void tablica_pochodna_json(std::FILE* out, const char* nazwa, double WielkosciElementu::*pole)
{
    std::fprintf(out, ",\"%s\":[", nazwa);
    for (int i = 1; i <= il_elem; ++i) {
        if (i > 1)
            std::fputc(',', out);
        const double v = wielkosci_elementu(i).*pole;
        if (std::isfinite(v))
            std::fprintf(out, "%.9g", v);
        else
            std::fputs("null", out);
    }
    std::fputc(']', out);
}

} // namespace

bool wypisz_json(std::FILE* out, const Bilans* bilans)
{
    std::fprintf(out, "{\"il_elem\":%d,\"il_wezl\":%d,\"il_podpor\":%d,\"il_obciaz\":%d", il_elem, il_wezl,
                 il_podpor, il_obciaz);
    tablica_json(out, "f", f, il_wezl);
    tablica_json(out, "stress", stress, il_elem);
    tablica_json(out, "react", react, il_podpor);
    tablica_pochodna_json(out, "L", &WielkosciElementu::dlugosc);
    tablica_pochodna_json(out, "N", &WielkosciElementu::sila);
    tablica_pochodna_json(out, "eps", &WielkosciElementu::odksztalcenie);
    tablica_pochodna_json(out, "eps_T", &WielkosciElementu::termiczne);
    tablica_pochodna_json(out, "eps_m", &WielkosciElementu::mechaniczne);
    tablica_pochodna_json(out, "dL", &WielkosciElementu::wydluzenie);
    if (bilans) {
        std::fputs(",\"bilans\":", out);
        wypisz_bilans_json(*bilans, out);
    }
    std::fputs("}\n", out);
    return zakoncz(out);
}

bool wypisz_csv(std::FILE* out)
{
    std::fputs("element,naprężenie,długość,siła_osiowa,odkształcenie,odkształcenie_termiczne,"
               "odkształcenie_mechaniczne,wydłużenie\n",
               out);
    for (int i = 1; i <= il_elem; ++i) {
        const WielkosciElementu w = wielkosci_elementu(i);
        std::fprintf(out, "%d,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g\n", i, double(stress[i]), w.dlugosc, w.sila,
                     w.odksztalcenie, w.termiczne, w.mechaniczne, w.wydluzenie);
    }
    std::fputs("\nwęzeł,przemieszczenie\n", out);
    for (int j = 1; j <= il_wezl; ++j)
        std::fprintf(out, "%d,%.9g\n", j, double(f[j]));
    std::fputs("\npodpora_w_węźle,reakcja\n", out);
    for (int p = 1; p <= il_podpor; ++p)
        std::fprintf(out, "%d,%.9g\n", nu[p], double(react[p]));
    return zakoncz(out);
}

bool wypisz_szczegoly(std::FILE* out)
{
    std::fputs("Element\tNaprężenie\tDługość L\tSiła osiowa N\tOdkształcenie ε\tTermiczne α·ΔT\t"
               "Mechaniczne ε-α·ΔT\tWydłużenie ΔL\n",
               out);
    for (int i = 1; i <= il_elem; ++i) {
        const WielkosciElementu w = wielkosci_elementu(i);
        std::fprintf(out, "%d\t%.6g\t%.6g\t%.6g\t%.6g\t%.6g\t%.6g\t%.6g\n", i, double(stress[i]), w.dlugosc,
                     w.sila, w.odksztalcenie, w.termiczne, w.mechaniczne, w.wydluzenie);
    }
    return zakoncz(out);
}
