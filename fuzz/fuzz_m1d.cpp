// Arbitrary bytes through everything a file reaches: the M1D reader, and for
// every accepted model the analysis, the main view's picture in both modes
// and several window sizes, and both tables.

#include "analiza.h"
#include "m1d.h"
#include "model.h"
#include "rysunek.h"
#include "tabele.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    WynikOdczytu odczyt = czytaj_m1d(std::span(reinterpret_cast<const std::byte*>(dane), rozmiar));
    if (odczyt.stan != Odczyt::ok)
        return 0;
    zainstaluj_tablice(odczyt.tablice);
    Macierze();
    Oblicz();
    Pusty = false;

    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    for (int przem : {1, 0})
        for (bool napr : {false, true})
            for (auto [w, h] : {std::pair{640, 480}, std::pair{151, 151}, std::pair{2000, 300}}) {
                const UstawieniaWidoku u{napr, przem, &knapr};
                rysuj(u, w, h);
                if (il_elem < 64)
                    rysuj_wszystko(u, w, h);
            }
    for (std::int64_t y : {std::int64_t{0}, std::int64_t{20} * il_elem, tabele::wysokosc_wynikow() - 200}) {
        tabele::tabela_danych({0, y, 450, 400});
        tabele::tabela_wynikow({0, y, 300, 400});
    }
    tabele::przewijanie(il_elem, tabele::wysokosc_danych(), 400);
    zwolnij_model();
    return 0;
}
