#pragma once

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

inline constexpr const char* format_numeru = "%d";
inline constexpr const char* format_danych = "%8.3f";
inline constexpr const char* format_naprezenia = "%12.8f";
inline constexpr const char* format_przemieszczenia = "%2.15f";
inline constexpr const char* format_reakcji = "%2.15f";

// printf of one value with one of the formats above (as printf prints it,
// also "nan" and "inf").
std::string liczba(const char* format, double wartosc);
std::string numer(int wartosc);

} // namespace tabele
