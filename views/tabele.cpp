#include "tabele.h"

#include <cstdio>

namespace tabele {

std::string liczba(const char* format, double wartosc)
{
    char bufor[64];
    const int n = std::snprintf(bufor, sizeof bufor, format, wartosc);
    if (n >= 0 && std::size_t(n) < sizeof bufor)
        return std::string(bufor, std::size_t(n));
    std::string dlugi(std::size_t(n) + 1, '\0'); // values near FLT_MAX print 40+ digits
    std::snprintf(dlugi.data(), dlugi.size(), format, wartosc);
    dlugi.pop_back();
    return dlugi;
}

std::string numer(int wartosc) { return std::to_string(wartosc); }

} // namespace tabele
