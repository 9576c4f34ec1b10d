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

void roznica_json(std::FILE* out, const char* nazwa, const Roznica& r, const Roznica& kara, const Roznica& precyzja)
{
    std::fprintf(out, "\"%s\":{\"roznica\":", nazwa);
    liczba(out, r.wzgledna);
    std::fprintf(out, ",\"bezwzgledna\":%s,\"gdzie\":%d,\"zenta\":", r.bezwzgledna ? "true" : "false", r.gdzie);
    liczba(out, r.zenta);
    std::fputs(",\"dokladnie\":", out);
    liczba(out, r.wzorzec);
    std::fputs(",\"z_kary\":", out);
    liczba(out, kara.wzgledna);
    std::fputs(",\"z_precyzji\":", out);
    liczba(out, precyzja.wzgledna);
    std::fputs("}", out);
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
    std::fputs("{\"suma_sil\":", out);
    liczba(out, b.suma_sil);
    std::fputs(",\"suma_termicznych\":", out);
    liczba(out, b.suma_termicznych);
    std::fputs(",\"suma_reakcji\":", out);
    liczba(out, b.suma_reakcji);
    std::fputs(",\"residuum\":", out);
    liczba(out, b.residuum);
    std::fputs(",\"residuum_wzgledne\":", out);
    liczba(out, b.residuum_wzgledne);
    std::fprintf(out, ",\"rozwiazano\":%s", b.rozwiazano ? "true" : "false");
    if (b.rozwiazano) {
        std::fputc(',', out);
        roznica_json(out, "przemieszczenia", b.calkowite.przemieszczenia, b.od_kary.przemieszczenia,
                     b.od_precyzji.przemieszczenia);
        std::fputc(',', out);
        roznica_json(out, "naprezenia", b.calkowite.naprezenia, b.od_kary.naprezenia, b.od_precyzji.naprezenia);
        std::fputc(',', out);
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
        std::fprintf(out, "%s,%.9g,%d,%d,%.9g,%.9g,%.9g,%.9g\n", nazwa, r.wzgledna, int(r.bezwzgledna), r.gdzie, r.zenta,
                     r.wzorzec, k.wzgledna, p.wzgledna);
    };
    wiersz("przemieszczenia", b.calkowite.przemieszczenia, b.od_kary.przemieszczenia, b.od_precyzji.przemieszczenia);
    wiersz("naprężenia", b.calkowite.naprezenia, b.od_kary.naprezenia, b.od_precyzji.naprezenia);
    wiersz("reakcje", b.calkowite.reakcje, b.od_kary.reakcje, b.od_precyzji.reakcje);
}
