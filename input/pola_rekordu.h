#pragma once

#include "liczby.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

// Writing default texts into record fields and reading typed values back.

// The text into a field of N bytes, cut to N - 1 and NUL-terminated.
template <std::size_t N>
void wpisz(char (&pole)[N], const std::string& tekst)
{
    const std::size_t dlugosc = std::min(tekst.size(), N - 1);
    std::memcpy(pole, tekst.data(), dlugosc);
    pole[dlugosc] = '\0';
}

// A value for a field of N bytes: `format` when it fits, else the shortest
// text that fits and reads back to the same float.
template <std::size_t N>
void wpisz_liczbe(char (&pole)[N], const char* format, float wartosc)
{
    wpisz(pole, tekst_pola(format, wartosc, int(N)));
}

template <std::size_t N>
void wpisz_numer(char (&pole)[N], int numer)
{
    wpisz(pole, tekst_numeru(numer, int(N)));
}

// A typed real as it would be stored; nothing when it does not fit a float
// (a float overflowing to infinity is never a usable value).
template <std::size_t N>
std::optional<float> rzeczywista(const char (&pole)[N])
{
    char tekst[N + 1] = {};
    std::memcpy(tekst, pole, N);
    const double v = czytaj_rzeczywista(tekst);
    if (!(std::fabs(v) <= 3.4028234663852886e38))
        return std::nullopt;
    return float(v);
}

// A real field after "OK": the value offered while its text is unchanged, so
// that a value no text of the field's width spells exactly is kept as it
// was; otherwise the typed text's reading.
template <std::size_t N>
std::optional<float> wartosc_pola(const char (&pole)[N], const char (&oferowane)[N], float oferowana)
{
    if (std::strncmp(pole, oferowane, N) == 0)
        return oferowana;
    return rzeczywista(pole);
}

template <std::size_t N>
int calkowita(const char (&pole)[N])
{
    char tekst[N + 1] = {};
    std::memcpy(tekst, pole, N);
    return czytaj_calkowita(tekst);
}

// A number field left as offered keeps the number it showed.
template <std::size_t N>
int numer_pola(const char (&pole)[N], const char (&oferowane)[N], int oferowany)
{
    return std::strncmp(pole, oferowane, N) == 0 ? oferowany : calkowita(pole);
}
