#include "tabele_tekst.h"

#include "model.h"
#include "sprezyny_modelu.h"
#include "strumien.h"
#include "tabele.h"

#include <string>

namespace {

using namespace tabele;

std::string dwuwierszowy(const char* const (&naglowek)[2])
{
    return std::string(naglowek[0]) + " " + naglowek[1];
}

// Its heading, then per row: the index (or `numery[k]`), a tab, the value.
void blok(Strumien& s, std::string_view lewy, std::string_view prawy, int ile, const int* numery,
          const float* wartosci, FormatLiczby format)
{
    s << lewy << '\t' << prawy << '\n';
    for (int k = 1; k <= ile; ++k) {
        s << (numery ? numery[k] : k) << '\t';
        s.liczba(wartosci[k], format) << '\n';
    }
}

// What M1D files cannot hold, only in a model that has it: each element's
// distributed load, then the springs with `wartosc` of each.
template <typename F>
void sprezyny(Strumien& s, std::string_view lewy, std::string_view prawy, FormatLiczby format, F wartosc)
{
    if (!ze_sprezynami())
        return;
    s << '\n' << lewy << '\t' << prawy << '\n';
    for (int j : wezly_ze_sprezynami()) {
        s << j << '\t';
        s.liczba(wartosc(j), format) << '\n';
    }
}

} // namespace

bool wypisz_wyniki(Strumien& s)
{
    blok(s, naglowek_element, naglowek_naprezenie, il_elem, nullptr, stress, format_naprezenia);
    s << '\n';
    blok(s, naglowek_wezel, naglowek_przemieszczenie, il_wezl, nullptr, f, format_przemieszczenia);
    s << '\n';
    blok(s, naglowek_podpora, naglowek_reakcja, il_podpor, nu, react, format_reakcji);
    sprezyny(s, naglowek_sprezyna_wynik, naglowek_sila_sprezyny, format_reakcji, sila_sprezyny);
    return s.zakoncz();
}

bool wypisz_dane(Strumien& s)
{
    s << naglowek_element << '\t' << dwuwierszowy(naglowek_pole) << '\t' << dwuwierszowy(naglowek_modul) << '\t'
      << dwuwierszowy(naglowek_rozszerzalnosc) << '\t' << dwuwierszowy(naglowek_temperatura) << '\n';
    for (int i = 1; i <= il_elem; ++i) {
        s << i;
        for (const float* v : {a, e, alp, dt}) {
            s << '\t';
            s.liczba(v[i], format_danych);
        }
        s << '\n';
    }
    s << '\n';
    blok(s, naglowek_wezel, naglowek_sila, il_wezl, nullptr, si, format_danych);
    s << '\n';
    blok(s, dwuwierszowy(naglowek_utwierdzenie), dwuwierszowy(naglowek_wymuszenie), il_podpor, nu, u, format_danych);
    if (z_obciazeniami()) {
        s << '\n';
        blok(s, naglowek_element, dwuwierszowy(naglowek_obciazenie), il_elem, nullptr, qx, format_obciazenia);
    }
    sprezyny(s, dwuwierszowy(naglowek_sprezyna), dwuwierszowy(naglowek_sztywnosc), format_obciazenia,
             [](int j) { return double(ks[j]); });
    return s.zakoncz();
}

bool wypisz_wyniki(std::FILE* out)
{
    Strumien s(out);
    return wypisz_wyniki(s);
}

bool wypisz_dane(std::FILE* out)
{
    Strumien s(out);
    return wypisz_dane(s);
}
