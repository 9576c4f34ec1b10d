#pragma once

// What zenta-oblicz does with a model, for the fuzz targets (header-only,
// included by each target once).

#include "bilans.h"
#include "m1d.h"
#include "model.h"
#include "raport.h"
#include "sprawdzenie.h"
#include "tekst_modelu.h"
#include "wykres.h"

#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

inline std::vector<std::byte> bajty_m1d(const Tablice& t)
{
    std::vector<std::byte> zapis;
    zapisz_m1d(t, [&](const void* d, std::size_t n) {
        const auto* p = static_cast<const std::byte*>(d);
        zapis.insert(zapis.end(), p, p + n);
        return true;
    });
    return zapis;
}

// The current model written as text reads back to the same M1D bytes.
inline void tekst_z_powrotem()
{
    char* bufor = nullptr;
    std::size_t dlugosc = 0;
    std::FILE* pamiec = open_memstream(&bufor, &dlugosc);
    if (!pamiec || !zapisz_tekst_modelu(biezace_tablice(), {}, pamiec))
        __builtin_trap();
    std::fclose(pamiec);
    WynikTekstu w = czytaj_tekst_modelu({bufor, dlugosc});
    if (!w.ok || bajty_m1d(w.tablice) != bajty_m1d(biezace_tablice()))
        __builtin_trap();
    zwolnij_tablice(w.tablice);
    std::free(bufor);
}

// The analysed current model through the check, the verification, the
// diagrams and, when small, the report.
inline void uzyj_narzedzi(std::span<const NaprawionaPodpora> naprawione)
{
    sprawdz_wyniki();
    opisz_bilans(policz_bilans());
    for (RodzajWykresu r : {RodzajWykresu::sila, RodzajWykresu::naprezenie, RodzajWykresu::przemieszczenie})
        rysuj_wykres(r, 640, 480);
    if (il_elem <= 32) {
        Strumien html([](const void*, std::size_t) { return true; });
        zapisz_raport(html, "<fuzz>", naprawione);
    }
}
