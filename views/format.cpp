#include "format.h"

#include <clocale>
#include <cstdio>
#include <cstring>

std::string printf_liczby(const char* format, double wartosc)
{
    char bufor[64];
    const int n = std::snprintf(bufor, sizeof bufor, format, wartosc);
    if (n < 0)
        return {};
    std::string tekst(std::size_t(n), '\0');
    if (std::size_t(n) < sizeof bufor) // values near FLT_MAX print 40 digits and more
        std::memcpy(tekst.data(), bufor, std::size_t(n));
    else
        std::snprintf(tekst.data(), tekst.size() + 1, format, wartosc);
    const char* przecinek = std::localeconv()->decimal_point;
    if (!przecinek || !*przecinek || std::strcmp(przecinek, ".") == 0)
        return tekst;
    const std::size_t dlugosc = std::strlen(przecinek);
    std::string z_kropka;
    for (std::size_t i = 0; i < tekst.size();) {
        const bool separator = tekst.compare(i, dlugosc, przecinek) == 0;
        z_kropka += separator ? '.' : tekst[i];
        i += separator ? dlugosc : 1;
    }
    return z_kropka;
}
