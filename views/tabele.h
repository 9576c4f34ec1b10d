#pragma once

#include "format.h"

#include <string>

// Texts and number formats of the data and results tables. The table windows
// and zenta-oblicz print the same cells from here.

namespace tabele {

// Results.
inline constexpr const char* naglowek_element = "Element";
inline constexpr const char* naglowek_naprezenie = "Naprężenie";
inline constexpr const char* naglowek_wezel = "Węzeł";
inline constexpr const char* naglowek_przemieszczenie = "Przemieszczenie";
inline constexpr const char* naglowek_podpora = "Podpora w węźle";
inline constexpr const char* naglowek_reakcja = "Reakcja podpory";

// Data (two-line headings).
inline constexpr const char* naglowek_pole[2] = {"Pole", "przekroju"};
inline constexpr const char* naglowek_modul[2] = {"Moduł", "Younga"};
inline constexpr const char* naglowek_rozszerzalnosc[2] = {"Wsp. rozsz.", "cieplnej"};
inline constexpr const char* naglowek_temperatura[2] = {"Różnica", "temperatur"};
inline constexpr const char* naglowek_sila = "Siła skupiona";
inline constexpr const char* naglowek_utwierdzenie[2] = {"Utwierdzenie", "w węźle"};
inline constexpr const char* naglowek_wymuszenie[2] = {"Wymuszone", "przemieszczenie"};

// What M1D files cannot hold, each a block of its own after the supports,
// only in a model that has it.
inline constexpr const char* naglowek_obciazenie[2] = {"Obciążenie", "ciągłe q"};
inline constexpr const char* naglowek_sprezyna[2] = {"Sprężyna", "w węźle"};
inline constexpr const char* naglowek_sztywnosc[2] = {"Sztywność", "sprężyny k"};
inline constexpr const char* naglowek_sprezyna_wynik = "Sprężyna w węźle";
inline constexpr const char* naglowek_sila_sprezyny = "Siła sprężyny";

// Numbers: "%d" of an index, these of a value.
inline constexpr FormatLiczby format_danych = format_liczby("%8.3f");
inline constexpr FormatLiczby format_naprezenia = format_liczby("%12.8f");
inline constexpr FormatLiczby format_przemieszczenia = format_liczby("%2.15f");
inline constexpr FormatLiczby format_reakcji = format_liczby("%2.15f");
// A load per length or a stiffness: its significant digits whatever its size.
inline constexpr FormatLiczby format_obciazenia = format_liczby("%8.6g");

// One value with one of the formats above, as printf prints it (also "nan"
// and "inf").
std::string liczba(FormatLiczby format, double wartosc);
std::string numer(int wartosc);

} // namespace tabele

#include "lista.h"

#include <cstdint>
#include <optional>

namespace tabele {

// The part of a table that a window shows: its viewport (szerokosc x
// wysokosc pixels) scrolled to (x, y) of the unscrolled table. y is 64-bit:
// the table of a large model is taller than an int can count.
struct Widok {
    int x = 0;
    std::int64_t y = 0;
    int szerokosc = 0;
    int wysokosc = 0;
};

// The data and results tables of the current model (Pusty false): headers,
// separator lines and the rows that intersect the viewport, in viewport
// coordinates. Work and size depend on the viewport, not on the model.
Rysunek tabela_danych(const Widok& widok);
Rysunek tabela_wynikow(const Widok& widok);

// A row of the data table: an element's, a node's, a support's, an
// element's distributed load or a spring.
struct WierszDanych {
    enum class Blok { element, wezel, podpora, obciazenie, sprezyna };
    Blok blok;
    int numer; // 1-based within its block; of a spring, its node
};

// Whether the held model has a block of distributed loads (an array of them)
// and of springs (one at least).
bool z_obciazeniami();
bool ze_sprezynami();

// The row whose band (its text and the gap below it, 20 pixels from 2 above
// the text) holds y of the unscrolled data table; nothing for the headers.
std::optional<WierszDanych> wiersz_danych(std::int64_t y);

// Height of a table in pixels: enough to scroll to its last row.
std::int64_t wysokosc_danych();
std::int64_t wysokosc_wynikow();

// Vertical scrolling of a table window: `kroki` steps of `piksele_na_krok`.
struct Przewijanie {
    int kroki;
    int piksele_na_krok;
};

// (40·il_elem + 80) / 10 steps of 10 pixels, more steps where the table
// reaches further below a viewport of `wysokosc_okna`, and coarser steps when
// the count would not fit an int: the last row stays reachable.
Przewijanie przewijanie(int elementy, std::int64_t wysokosc_tabeli, int wysokosc_okna);

} // namespace tabele
