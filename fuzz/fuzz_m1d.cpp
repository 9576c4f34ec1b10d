// Arbitrary bytes through everything a file reaches: the M1D reader, and for
// every accepted model the analysis, the main view's picture in both modes
// and several window sizes, both tables, and what zenta-oblicz derives.

#include "instalacja.h"
#include "m1d.h"
#include "model.h"
#include "narzedzia_modelu.h"
#include "odczyt.h"
#include "rysunek.h"
#include "tabele.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace {

// Writing a model that was read gives back the file's bytes, up to the last
// item (support node numbers outside the bar excepted: they were mended).
void wpisz_z_powrotem(std::span<const std::byte> plik)
{
    std::vector<std::byte> zapis;
    zapisz_m1d(biezace_tablice(), [&](const void* d, std::size_t n) {
        const auto* p = static_cast<const std::byte*>(d);
        zapis.insert(zapis.end(), p, p + n);
        return true;
    });
    const std::size_t poczatek_nu = 12 + 4 * std::size_t(il_wezl) + 8 * std::size_t(il_elem);
    const std::size_t koniec_nu = poczatek_nu + 4 * std::size_t(il_podpor);
    if (zapis.size() != dlugosc_m1d(il_elem, il_podpor))
        __builtin_trap();
    for (std::size_t k = 0; k < zapis.size(); ++k)
        if ((k < poczatek_nu || k >= koniec_nu) && zapis[k] != plik[k])
            __builtin_trap();
}

// The pointer read-out over the whole width of a window.
void odczytaj_wskaznik()
{
    for (int kolumna = -10; kolumna < 700; kolumna += 7) {
        const float wx = wspolrzedna(kolumna);
        tekst_wspolrzednej(wx);
        tekst_naprezenia(wx);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const auto bajty = std::span(reinterpret_cast<const std::byte*>(dane), rozmiar);
    WynikOdczytu odczyt = czytaj_m1d(bajty);
    if (odczyt.stan != Odczyt::ok)
        return 0;
    zainstaluj_model(odczyt.tablice);
    wpisz_z_powrotem(bajty);
    tekst_z_powrotem();
    sprawdz_dane(odczyt.naprawione);
    uzyj_narzedzi(odczyt.naprawione);

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
    if (const ObrazWidoku obraz = rysuj({true, 1, &knapr}, 640, 480); obraz.skala) {
        x0 = obraz.skala->x0;
        sx = obraz.skala->sx;
    }
    odczytaj_wskaznik();
    zwolnij_model();
    return 0;
}
