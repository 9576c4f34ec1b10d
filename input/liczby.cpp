#include "liczby.h"

#include "format.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

bool bialy_znak(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool cyfra(char c) { return c >= '0' && c <= '9'; }

const char* pomin_biale(const char* p)
{
    while (bialy_znak(*p))
        ++p;
    return p;
}

// Length of the decimal number at p (sign, digits, point, exponent), 0 if none.
std::size_t dlugosc_liczby(const char* p, bool& ma_cyfry_calkowite, long& wykladnik_dziesietny)
{
    const char* q = p;
    if (*q == '+' || *q == '-')
        ++q;
    long cyfry_przed = 0, zera_wiodace = 0;
    bool tylko_zera = true;
    for (; cyfra(*q); ++q) {
        ++cyfry_przed;
        if (tylko_zera && *q == '0')
            ++zera_wiodace;
        else
            tylko_zera = false;
    }
    long cyfry_po = 0;
    if (*q == '.')
        for (const char* r = q + 1; cyfra(*r); ++r)
            ++cyfry_po;
    if (cyfry_przed + cyfry_po == 0)
        return 0;
    ma_cyfry_calkowite = cyfry_przed > 0;
    if (*q == '.')
        q += 1 + cyfry_po;
    wykladnik_dziesietny = cyfry_przed - zera_wiodace;
    if (*q == 'e' || *q == 'E') {
        const char* r = q + 1;
        bool ujemny = false;
        if (*r == '+' || *r == '-')
            ujemny = *r++ == '-';
        if (cyfra(*r)) {
            long w = 0;
            for (; cyfra(*r); ++r)
                w = w < 100000 ? w * 10 + (*r - '0') : w;
            wykladnik_dziesietny += ujemny ? -w : w;
            q = r;
        }
    }
    return std::size_t(q - p);
}

} // namespace

int czytaj_calkowita(const char* tekst)
{
    const char* p = pomin_biale(tekst);
    bool ujemna = false;
    if (*p == '+' || *p == '-')
        ujemna = *p++ == '-';
    std::int64_t wartosc = 0;
    for (; cyfra(*p); ++p)
        wartosc = std::min<std::int64_t>(wartosc * 10 + (*p - '0'), std::int64_t{INT_MAX} + 1);
    wartosc = ujemna ? -wartosc : wartosc;
    return int(std::max<std::int64_t>(INT_MIN, std::min<std::int64_t>(INT_MAX, wartosc)));
}

double czytaj_rzeczywista(const char* tekst)
{
    const char* p = pomin_biale(tekst);
    bool ma_cyfry = false;
    long wykladnik = 0;
    const std::size_t dlugosc = dlugosc_liczby(p, ma_cyfry, wykladnik);
    if (dlugosc == 0)
        return 0.0;
    const bool ujemna = *p == '-';
    const char* poczatek = (*p == '+' || *p == '-') ? p + 1 : p;
    double wartosc = 0.0;
    const auto [koniec, blad] = std::from_chars(poczatek, p + dlugosc, wartosc, std::chars_format::general);
    (void)koniec;
    if (blad == std::errc::result_out_of_range)
        wartosc = wykladnik > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return ujemna ? -wartosc : wartosc;
}

std::string tekst_pola(const char* format, float wartosc, int szerokosc)
{
    const std::size_t miejsce = std::size_t(szerokosc - 1);
    const std::string tekst = printf_liczby(format, double(wartosc));
    if (tekst.size() <= miejsce)
        return tekst;
    // The shortest fitting text that reads back exactly; where none does,
    // the most precise one that fits.
    std::string dokladny, najblizszy;
    for (int cyfry = 9; cyfry >= 1; --cyfry) {
        const std::string format_g = "%." + std::to_string(cyfry) + "g";
        const std::string kandydat = printf_liczby(format_g.c_str(), double(wartosc));
        if (kandydat.size() > miejsce)
            continue;
        if (najblizszy.empty())
            najblizszy = kandydat;
        const bool wierny = float(czytaj_rzeczywista(kandydat.c_str())) == wartosc;
        if (wierny && (dokladny.empty() || kandydat.size() < dokladny.size()))
            dokladny = kandydat;
    }
    if (!dokladny.empty())
        return dokladny;
    return najblizszy.empty() ? tekst.substr(0, miejsce) : najblizszy;
}

std::string tekst_numeru(int n, int szerokosc)
{
    std::string tekst = std::to_string(n);
    return tekst.substr(0, std::size_t(szerokosc - 1));
}
