#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Numbers written as printf writes them in the C locale, whatever the
// process locale (Qt adopts the environment's, and a Polish one would print
// a comma), without printf: byte for byte what
// snprintf(b, n, "%<szerokosc>.<precyzja><typ>", v) writes, into a caller's
// buffer, several times faster.

struct FormatLiczby {
    char typ = 'g';    // 'f', 'e' or 'g' of a double, 'd' of an int
    int szerokosc = 0; // at least this many characters, blanks in front
    int precyzja = -1; // -1: printf's default (6)
};

// The conversion of a printf format such as "%8.3f" or "x=%5.2f" (the text
// around it is not part of it). Flags are not supported.
constexpr FormatLiczby format_liczby(std::string_view printf)
{
    FormatLiczby f;
    std::size_t k = printf.find('%') + 1;
    for (; k < printf.size() && printf[k] >= '0' && printf[k] <= '9'; ++k)
        f.szerokosc = f.szerokosc * 10 + (printf[k] - '0');
    if (k < printf.size() && printf[k] == '.') {
        f.precyzja = 0;
        for (++k; k < printf.size() && printf[k] >= '0' && printf[k] <= '9'; ++k)
            f.precyzja = f.precyzja * 10 + (printf[k] - '0');
    }
    f.typ = k < printf.size() ? printf[k] : 'g';
    return f;
}

// Room for any number in a format of width and precision up to 40.
inline constexpr std::size_t miejsce_na_liczbe = 400;

// Writes `v` at `p` (no NUL) and returns the end; at most
// miejsce_na_liczbe bytes.
char* zapisz_liczbe(char* p, double v, FormatLiczby f);
char* zapisz_liczbe(char* p, int v, int szerokosc = 0);

// A printf format with one conversion of a double (e.g. "x=%5.2f") applied
// to one number, the text around the conversion kept.
std::string printf_liczby(const char* format, double wartosc);
