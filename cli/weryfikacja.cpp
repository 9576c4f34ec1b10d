#include "weryfikacja.h"

#include <cmath>

namespace {

void liczba(std::FILE* out, double v)
{
    if (std::isfinite(v))
        std::fprintf(out, "%.9g", v);
    else
        std::fputs("null", out);
}

// ,"nazwa":wartość (the first pair of an object without the comma)
void pole(std::FILE* out, const char* nazwa, double v, bool pierwsze = false)
{
    std::fprintf(out, "%s\"%s\":", pierwsze ? "" : ",", nazwa);
    liczba(out, v);
}

void roznica_json(std::FILE* out, const char* nazwa, const Roznica& r, const Roznica& kara,
                  const Roznica& precyzja)
{
    std::fprintf(out, ",\"%s\":{", nazwa);
    pole(out, "roznica", r.wzgledna, true);
    std::fprintf(out, ",\"bezwzgledna\":%s,\"gdzie\":%d", r.bezwzgledna ? "true" : "false", r.gdzie);
    pole(out, "zenta", r.zenta);
    pole(out, "dokladnie", r.wzorzec);
    pole(out, "z_kary", kara.wzgledna);
    pole(out, "z_precyzji", precyzja.wzgledna);
    std::fputc('}', out);
}

} // namespace

void wypisz_bilans(const Bilans& b, std::FILE* out)
{
    std::fputs("\nWeryfikacja\n", out);
    for (const std::string& w : opisz_bilans(b))
        std::fprintf(out, "%s\n", w.c_str());
}

void wypisz_bilans_json(const Bilans& b, std::FILE* out)
{
    std::fputc('{', out);
    pole(out, "suma_sil", b.suma_sil, true);
    pole(out, "suma_termicznych", b.suma_termicznych);
    pole(out, "suma_reakcji", b.suma_reakcji);
    pole(out, "residuum", b.residuum);
    pole(out, "residuum_wzgledne", b.residuum_wzgledne);
    std::fprintf(out, ",\"rozwiazano\":%s", b.rozwiazano ? "true" : "false");
    if (b.rozwiazano) {
        roznica_json(out, "przemieszczenia", b.calkowite.przemieszczenia, b.od_kary.przemieszczenia,
                     b.od_precyzji.przemieszczenia);
        roznica_json(out, "naprezenia", b.calkowite.naprezenia, b.od_kary.naprezenia,
                     b.od_precyzji.naprezenia);
        roznica_json(out, "reakcje", b.calkowite.reakcje, b.od_kary.reakcje, b.od_precyzji.reakcje);
    }
    std::fputc('}', out);
}

void wypisz_bilans_csv(const Bilans& b, std::FILE* out)
{
    std::fprintf(out, "\nresiduum,residuum_względne\n%.9g,%.9g\n", b.residuum, b.residuum_wzgledne);
    if (!b.rozwiazano)
        return;
    std::fputs("\nwielkość,różnica,bezwzględna,gdzie,zenta,dokładnie,z_kary,z_precyzji\n", out);
    auto wiersz = [out](const char* nazwa, const Roznica& r, const Roznica& k, const Roznica& p) {
        std::fprintf(out, "%s,%.9g,%d,%d,%.9g,%.9g,%.9g,%.9g\n", nazwa, r.wzgledna, int(r.bezwzgledna),
                     r.gdzie, r.zenta, r.wzorzec, k.wzgledna, p.wzgledna);
    };
    wiersz("przemieszczenia", b.calkowite.przemieszczenia, b.od_kary.przemieszczenia,
           b.od_precyzji.przemieszczenia);
    wiersz("naprężenia", b.calkowite.naprezenia, b.od_kary.naprezenia, b.od_precyzji.naprezenia);
    wiersz("reakcje", b.calkowite.reakcje, b.od_kary.reakcje, b.od_precyzji.reakcje);
}
