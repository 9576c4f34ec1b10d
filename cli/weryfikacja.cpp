#include "weryfikacja.h"

#include "strumien.h"

#include <cmath>

namespace {

constexpr FormatLiczby g9 = format_liczby("%.9g");

void liczba(Strumien& s, double v)
{
    if (std::isfinite(v))
        s.liczba(v, g9);
    else
        s << "null";
}

// ,"nazwa":wartość (the first pair of an object without the comma)
void pole(Strumien& s, const char* nazwa, double v, bool pierwsze = false)
{
    s << (pierwsze ? "\"" : ",\"") << nazwa << "\":";
    liczba(s, v);
}

void roznica_json(Strumien& s, const char* nazwa, const Roznica& r, const Roznica& kara, const Roznica& precyzja)
{
    s << ",\"" << nazwa << "\":{";
    pole(s, "roznica", r.wzgledna, true);
    s << ",\"bezwzgledna\":" << (r.bezwzgledna ? "true" : "false") << ",\"gdzie\":" << r.gdzie;
    pole(s, "zenta", r.zenta);
    pole(s, "dokladnie", r.wzorzec);
    pole(s, "z_kary", kara.wzgledna);
    pole(s, "z_precyzji", precyzja.wzgledna);
    s << '}';
}

void wiersz_csv(Strumien& s, const char* nazwa, const Roznica& r, const Roznica& k, const Roznica& p)
{
    s << nazwa << ',';
    s.liczba(r.wzgledna, g9) << ',' << int(r.bezwzgledna) << ',' << r.gdzie;
    for (const double v : {r.zenta, r.wzorzec, k.wzgledna, p.wzgledna}) {
        s << ',';
        s.liczba(v, g9);
    }
    s << '\n';
}

} // namespace

bool wypisz_bilans(const Bilans& b, Strumien& s)
{
    s << "\nWeryfikacja\n";
    for (const std::string& w : opisz_bilans(b))
        s << w << '\n';
    return s.zakoncz();
}

void wypisz_bilans_json(const Bilans& b, Strumien& s)
{
    s << '{';
    pole(s, "suma_sil", b.suma_sil, true);
    pole(s, "suma_reakcji", b.suma_reakcji);
    pole(s, "residuum", b.residuum);
    pole(s, "residuum_wzgledne", b.residuum_wzgledne);
    pole(s, "residuum_wezla", b.residuum_wezla);
    pole(s, "residuum_wezla_wzgledne", b.residuum_wezla_wzgledne);
    s << ",\"wezel_residuum\":" << b.wezel;
    s << ",\"rozwiazano\":" << (b.rozwiazano ? "true" : "false");
    if (b.rozwiazano) {
        roznica_json(s, "przemieszczenia", b.calkowite.przemieszczenia, b.od_kary.przemieszczenia,
                     b.od_precyzji.przemieszczenia);
        roznica_json(s, "naprezenia", b.calkowite.naprezenia, b.od_kary.naprezenia, b.od_precyzji.naprezenia);
        roznica_json(s, "reakcje", b.calkowite.reakcje, b.od_kary.reakcje, b.od_precyzji.reakcje);
    }
    s << '}';
}

void wypisz_bilans_csv(const Bilans& b, Strumien& s)
{
    s << "\nresiduum,residuum_względne,residuum_węzła,residuum_węzła_względne,węzeł\n";
    s.liczba(b.residuum, g9) << ',';
    s.liczba(b.residuum_wzgledne, g9) << ',';
    s.liczba(b.residuum_wezla, g9) << ',';
    s.liczba(b.residuum_wezla_wzgledne, g9) << ',' << b.wezel << '\n';
    if (!b.rozwiazano)
        return;
    s << "\nwielkość,różnica,bezwzględna,gdzie,zenta,dokładnie,z_kary,z_precyzji\n";
    wiersz_csv(s, "przemieszczenia", b.calkowite.przemieszczenia, b.od_kary.przemieszczenia,
               b.od_precyzji.przemieszczenia);
    wiersz_csv(s, "naprężenia", b.calkowite.naprezenia, b.od_kary.naprezenia, b.od_precyzji.naprezenia);
    wiersz_csv(s, "reakcje", b.calkowite.reakcje, b.od_kary.reakcje, b.od_precyzji.reakcje);
}
