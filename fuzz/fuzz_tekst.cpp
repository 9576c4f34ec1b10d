// Arbitrary text through the text-model reader; every accepted model must
// write back to a text that reads to the same model, and go through the
// analysis and everything zenta-oblicz derives from it.

#include "instalacja.h"
#include "model.h"
#include "narzedzia_modelu.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    WynikTekstu w = czytaj_tekst_modelu({reinterpret_cast<const char*>(dane), rozmiar});
    if (!w.ok) {
        if (w.blad.empty() || w.tablice.x)
            __builtin_trap();
        return 0;
    }
    zainstaluj_model(w.tablice);
    tekst_z_powrotem();
    sprawdz_dane({});
    uzyj_narzedzi({});
    zwolnij_model();
    return 0;
}
