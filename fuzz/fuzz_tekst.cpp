// Arbitrary text through the text-model reader; every accepted model must
// hold, for every real, the correctly rounded float of its text (strtof, an
// independent parse), write back to a text that reads to the same model, and
// go through the analysis and everything zenta-oblicz derives from it.

#include "instalacja.h"
#include "model.h"
#include "narzedzia_modelu.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The array a keyword of a section of reals fills, with its length; none for
// any other word.
struct Tablica {
    const float* v = nullptr;
    int ile = 0;
};

Tablica tablica_sekcji(std::string_view slowo, const Tablice& t)
{
    if (slowo == "współrzędne" || slowo == "wspolrzedne")
        return {t.x, t.il_wezl};
    if (slowo == "siły" || slowo == "sily")
        return {t.si, t.il_wezl};
    if (slowo == "pola")
        return {t.a, t.il_elem};
    if (slowo == "moduły" || slowo == "moduly")
        return {t.e, t.il_elem};
    if (slowo == "temperatury")
        return {t.dt, t.il_elem};
    if (slowo == "rozszerzalności" || slowo == "rozszerzalnosci")
        return {t.alp, t.il_elem};
    if (slowo == "wymuszenia")
        return {t.u, t.il_podpor};
    if (slowo == "obciążenia_ciągłe" || slowo == "obciazenia_ciagle")
        return {t.qx, t.il_elem};
    return {};
}

// Keywords of sections not checked value by value: counts, nodes, and springs
// (their stiffnesses are summed per node).
bool slowo_kluczowe(std::string_view s)
{
    for (const std::string_view k : {"elementy", "obciążenia", "obciazenia", "podpory", "węzły_podpór",
                                     "wezly_podpor", "sprężyny", "sprezyny", "obciążenia_ciągłe",
                                     "obciazenia_ciagle"})
        if (s == k)
            return true;
    return false;
}

// A real as read must be what strtof makes of its text: a NaN for a NaN,
// otherwise the same bits; a text beyond float's range must have been refused.
void sprawdz_liczbe(std::string slowo, float przeczytana)
{
    if (slowo.size() > 1 && slowo[0] == '+')
        slowo.erase(0, 1);
    errno = 0;
    char* koniec = nullptr;
    const float wzor = std::strtof(slowo.c_str(), &koniec);
    const bool za_duza = errno == ERANGE && std::isinf(wzor);
    if (koniec != slowo.c_str() + slowo.size() || za_duza)
        __builtin_trap();
    if (std::isnan(wzor) ? !std::isnan(przeczytana)
                         : std::bit_cast<std::uint32_t>(wzor) != std::bit_cast<std::uint32_t>(przeczytana))
        __builtin_trap();
}

// The words of the text split as the reader splits them, each real checked
// against the place it went to.
void sprawdz_liczby(std::string_view tekst, const Tablice& t)
{
    if (tekst.starts_with("\xEF\xBB\xBF"))
        tekst.remove_prefix(3);
    Tablica biezaca;
    int k = 0;
    std::string slowo;
    const auto koniec_slowa = [&] {
        if (slowo.empty())
            return;
        if (const Tablica nowa = tablica_sekcji(slowo, t); nowa.v) {
            biezaca = nowa;
            k = 0;
        } else if (slowo_kluczowe(slowo)) {
            biezaca = {};
        } else if (biezaca.v) {
            if (++k > biezaca.ile)
                __builtin_trap();
            sprawdz_liczbe(slowo, biezaca.v[k]);
        }
        slowo.clear();
    };
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        const char c = tekst[i];
        if (std::string_view(" \t\v\f\r\n").find(c) != std::string_view::npos) {
            koniec_slowa();
        } else if (c == '#') {
            koniec_slowa();
            while (i + 1 < tekst.size() && tekst[i + 1] != '\n' && tekst[i + 1] != '\r')
                ++i;
        } else {
            slowo += c;
        }
    }
    koniec_slowa();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    WynikTekstu w = czytaj_tekst_modelu(tekst);
    if (!w.ok) {
        if (w.blad.empty() || w.tablice.x)
            __builtin_trap();
        return 0;
    }
    sprawdz_liczby(tekst, w.tablice);
    zainstaluj_model(w.tablice);
    tekst_z_powrotem();
    sprawdz_dane({});
    uzyj_narzedzi({});
    zwolnij_model();
    return 0;
}
