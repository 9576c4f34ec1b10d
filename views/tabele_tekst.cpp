#include "tabele_tekst.h"

#include "model.h"
#include "tabele.h"

#include <string>

namespace {

using namespace tabele;

void wiersz(std::FILE* out, const std::string& lewa, const std::string& prawa)
{
    std::fputs(lewa.c_str(), out);
    std::fputc('\t', out);
    std::fputs(prawa.c_str(), out);
    std::fputc('\n', out);
}

std::string dwuwierszowy(const char* const (&naglowek)[2])
{
    return std::string(naglowek[0]) + " " + naglowek[1];
}

bool zakoncz(std::FILE* out) { return std::fflush(out) == 0 && !std::ferror(out); }

} // namespace

bool wypisz_wyniki(std::FILE* out)
{
    wiersz(out, naglowek_element, naglowek_naprezenie);
    for (int i = 1; i <= il_elem; ++i)
        wiersz(out, numer(i), liczba(format_naprezenia, stress[i]));
    std::fputc('\n', out);
    wiersz(out, naglowek_wezel, naglowek_przemieszczenie);
    for (int j = 1; j <= il_wezl; ++j)
        wiersz(out, numer(j), liczba(format_przemieszczenia, f[j]));
    std::fputc('\n', out);
    wiersz(out, naglowek_podpora, naglowek_reakcja);
    for (int p = 1; p <= il_podpor; ++p)
        wiersz(out, numer(nu[p]), liczba(format_reakcji, react[p]));
    return zakoncz(out);
}

bool wypisz_dane(std::FILE* out)
{
    std::fprintf(out, "%s\t%s\t%s\t%s\t%s\n", naglowek_element, dwuwierszowy(naglowek_pole).c_str(),
                 dwuwierszowy(naglowek_modul).c_str(), dwuwierszowy(naglowek_rozszerzalnosc).c_str(),
                 dwuwierszowy(naglowek_temperatura).c_str());
    for (int i = 1; i <= il_elem; ++i)
        std::fprintf(out, "%d\t%s\t%s\t%s\t%s\n", i, liczba(format_danych, a[i]).c_str(),
                     liczba(format_danych, e[i]).c_str(), liczba(format_danych, alp[i]).c_str(),
                     liczba(format_danych, dt[i]).c_str());
    std::fputc('\n', out);
    wiersz(out, naglowek_wezel, naglowek_sila);
    for (int j = 1; j <= il_wezl; ++j)
        wiersz(out, numer(j), liczba(format_danych, si[j]));
    std::fputc('\n', out);
    wiersz(out, dwuwierszowy(naglowek_utwierdzenie), dwuwierszowy(naglowek_wymuszenie));
    for (int p = 1; p <= il_podpor; ++p)
        wiersz(out, numer(nu[p]), liczba(format_danych, u[p]));
    return zakoncz(out);
}
