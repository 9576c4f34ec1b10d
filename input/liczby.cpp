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

// The decimal number at the start of a text, as from_chars takes it: digits,
// a point, digits, an exponent, no sign.
struct Liczba {
    std::string tekst;     // empty when the text starts with no number
    bool ujemna = false;
    long rzad = 0;         // roughly the power of ten of the first non-zero digit
};

// A comma stands for the point where a point would stand: between digits, once.
bool separator(const char* q, long cyfry_przed)
{
    return *q == '.' || (*q == ',' && cyfry_przed > 0 && cyfra(q[1]));
}

Liczba liczba_na_poczatku(const char* p)
{
    Liczba l;
    if (*p == '+' || *p == '-')
        l.ujemna = *p++ == '-';
    long cyfry_przed = 0, zera_wiodace = 0;
    for (; cyfra(*p); ++p, ++cyfry_przed) {
        zera_wiodace += cyfry_przed == zera_wiodace && *p == '0';
        l.tekst += *p;
    }
    long cyfry_po = 0;
    if (separator(p, cyfry_przed)) {
        l.tekst += '.';
        for (++p; cyfra(*p); ++p, ++cyfry_po)
            l.tekst += *p;
    }
    if (cyfry_przed + cyfry_po == 0)
        return {};
    l.rzad = cyfry_przed - zera_wiodace;
    if ((*p == 'e' || *p == 'E') && (cyfra(p[1]) || ((p[1] == '+' || p[1] == '-') && cyfra(p[2])))) {
        const bool ujemny = p[1] == '-';
        l.tekst += 'e';
        if (ujemny)
            l.tekst += '-';
        long w = 0;
        for (p += cyfra(p[1]) ? 1 : 2; cyfra(*p); ++p) {
            l.tekst += *p;
            w = w < 100000 ? w * 10 + (*p - '0') : w;
        }
        l.rzad += ujemny ? -w : w;
    }
    return l;
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
    const Liczba l = liczba_na_poczatku(pomin_biale(tekst));
    if (l.tekst.empty())
        return 0.0;
    double wartosc = 0.0;
    const char* poczatek = l.tekst.data();
    const auto [koniec, blad] = std::from_chars(poczatek, poczatek + l.tekst.size(), wartosc);
    (void)koniec;
    if (blad == std::errc::result_out_of_range)
        wartosc = l.rzad > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return l.ujemna ? -wartosc : wartosc;
}

namespace {

bool czyta_sie_jako(const std::string& tekst, float wartosc)
{
    return float(czytaj_rzeczywista(tekst.c_str())) == wartosc;
}

// "1e+08" as "1e8", "2.5e-05" as "2.5e-5": the same number in fewer characters.
std::string zwiezly_wykladnik(std::string t)
{
    const std::size_t e = t.find('e');
    if (e == std::string::npos)
        return t;
    std::size_t cyfry = e + 1;
    if (t[cyfry] == '+')
        t.erase(cyfry, 1);
    else if (t[cyfry] == '-')
        ++cyfry;
    while (cyfry + 1 < t.size() && t[cyfry] == '0')
        t.erase(cyfry, 1);
    return t;
}

} // namespace

std::string tekst_pola(const char* format, float wartosc, int szerokosc)
{
    const std::size_t miejsce = std::size_t(szerokosc - 1);
    const std::string tekst = printf_liczby(format, double(wartosc));
    if (tekst.size() <= miejsce && czyta_sie_jako(tekst, wartosc))
        return tekst;
    // The shortest fitting text that reads back exactly; where none does,
    // the most precise one that fits.
    std::string dokladny, najblizszy;
    for (int cyfry = 9; cyfry >= 1; --cyfry) {
        const std::string format_g = "%." + std::to_string(cyfry) + "g";
        const std::string kandydat = zwiezly_wykladnik(printf_liczby(format_g.c_str(), double(wartosc)));
        if (kandydat.size() > miejsce)
            continue;
        if (najblizszy.empty())
            najblizszy = kandydat;
        if (czyta_sie_jako(kandydat, wartosc) && (dokladny.empty() || kandydat.size() < dokladny.size()))
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
