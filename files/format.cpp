#include "format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace {

__extension__ typedef unsigned __int128 u128;

constexpr auto potegi10 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k)
        p[k] = p[k - 1] * 10;
    return p;
}();

std::uint64_t potega10(int n) { return potegi10[std::size_t(n)]; }

// "00" to "99": two digits at a time.
constexpr char pary[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                        "8081828384858687888990919293949596979899";

// Exactly eight digits of n < 10^8 at p: two halves found side by side.
void osiem_cyfr(char* p, std::uint32_t n)
{
    const std::uint32_t gora = n / 10000, dol = n % 10000;
    std::memcpy(p, pary + 2 * (gora / 100), 2);
    std::memcpy(p + 2, pary + 2 * (gora % 100), 2);
    std::memcpy(p + 4, pary + 2 * (dol / 100), 2);
    std::memcpy(p + 6, pary + 2 * (dol % 100), 2);
}

// The decimal digits of n, exactly `ile` of them (leading zeros), ending at
// `koniec`. Every division is by a constant: a multiplication.
void cyfry_od_konca(char* koniec, std::uint64_t n, int ile)
{
    for (; ile >= 8; ile -= 8, n /= 100000000) {
        koniec -= 8;
        osiem_cyfr(koniec, std::uint32_t(n % 100000000));
    }
    for (; ile >= 4; ile -= 4, n /= 10000) {
        const auto cztery = std::uint32_t(n % 10000);
        koniec -= 4;
        std::memcpy(koniec, pary + 2 * (cztery / 100), 2);
        std::memcpy(koniec + 2, pary + 2 * (cztery % 100), 2);
    }
    for (; ile >= 2; ile -= 2, n /= 100) {
        koniec -= 2;
        std::memcpy(koniec, pary + 2 * (n % 100), 2);
    }
    if (ile)
        *--koniec = char('0' + n % 10);
}

int ile_cyfr(std::uint64_t n)
{
    const int przyblizenie = (std::bit_width(n) * 1233) >> 12; // log10 of 2^bits
    return std::max(1, przyblizenie + (przyblizenie < 19 && n >= potegi10[std::size_t(przyblizenie)]));
}

char* cyfry(char* p, std::uint64_t n)
{
    const int ile = ile_cyfr(n);
    cyfry_od_konca(p + ile, n, ile);
    return p + ile;
}

char* napis(char* p, std::string_view t)
{
    std::memcpy(p, t.data(), t.size());
    return p + t.size();
}

// printf's texts for what is not a finite number.
char* nie_liczba(char* p, double v)
{
    if (std::signbit(v))
        *p++ = '-';
    return napis(p, std::isnan(v) ? "nan" : "inf");
}

// Blanks in front up to `szerokosc` characters.
char* dopelnij(char* poczatek, char* koniec, int szerokosc)
{
    const std::ptrdiff_t dlugosc = koniec - poczatek;
    if (dlugosc >= szerokosc)
        return koniec;
    const std::ptrdiff_t brak = szerokosc - dlugosc;
    std::memmove(poczatek + brak, poczatek, std::size_t(dlugosc));
    std::memset(poczatek, ' ', std::size_t(brak));
    return koniec + brak;
}

// v = m · 2^e with an integer m.
struct Rozklad {
    bool ujemna;
    std::uint64_t m;
    int e;
};

Rozklad rozloz(double v)
{
    const auto b = std::bit_cast<std::uint64_t>(v);
    const int wykladnik = int(b >> 52 & 0x7ff);
    const std::uint64_t ulamek = b & ((std::uint64_t{1} << 52) - 1);
    if (wykladnik == 0)
        return {bool(b >> 63), ulamek, -1074};
    return {bool(b >> 63), ulamek | std::uint64_t{1} << 52, wykladnik - 1075};
}

// %.Nf exactly: the integer part and the fraction's N digits rounded half to
// even, in 64- and 128-bit integers. False for a value of 2^64 or more (the
// caller asks to_chars).
bool stale_dokladnie(char*& p, double v, int precyzja)
{
    if (precyzja > 19)
        return false;
    const Rozklad r = rozloz(v);
    if (r.m != 0 && r.e >= 64 - 53)
        return false;
    std::uint64_t calkowita = 0, ulamek = 0;
    if (r.e >= 0) {
        calkowita = r.m << r.e;
    } else {
        const int k = -r.e;
        calkowita = k < 64 ? r.m >> k : 0;
        const std::uint64_t reszta = k < 64 ? r.m - (calkowita << k) : r.m; // the fraction, over 2^k
        const u128 licznik = u128(reszta) * potega10(precyzja);
        if (k < 128) {
            u128 n = licznik >> k;
            const u128 poza = licznik - (n << k), polowa = u128(1) << (k - 1);
            const bool nieparzysta = precyzja > 0 ? bool(n & 1) : bool(calkowita & 1); // the last digit printed
            n += poza > polowa || (poza == polowa && nieparzysta);
            ulamek = std::uint64_t(n);
        }
        if (ulamek == potega10(precyzja)) { // rounded up into the integer part
            ulamek = 0;
            ++calkowita;
        }
    }
    if (r.ujemna)
        *p++ = '-';
    p = cyfry(p, calkowita);
    if (precyzja > 0) {
        *p++ = '.';
        cyfry_od_konca(p + precyzja, ulamek, precyzja);
        p += precyzja;
    }
    return true;
}

constexpr auto potegi5 = [] {
    std::array<std::uint64_t, 28> p{}; // 5^27 < 2^63
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k)
        p[k] = p[k - 1] * 5;
    return p;
}();

// q = |v| · 10^n rounded half to even, exactly, for 0 <= n <= 27: |v| · 10^n
// is m · 5^n · 2^(e + n), one 128-bit product and a shift.
bool zaokraglij_mnozac(const Rozklad& r, int n, std::uint64_t& q)
{
    const u128 iloczyn = u128(r.m) * potegi5[std::size_t(n)]; // below 2^117
    const int przesuniecie = -(r.e + n);
    if (przesuniecie <= 0) {
        const auto starsze = std::uint64_t(iloczyn >> 64), mlodsze = std::uint64_t(iloczyn);
        const int bity = starsze ? 64 + std::bit_width(starsze) : std::bit_width(mlodsze);
        if (bity - przesuniecie > 63)
            return false;
        q = std::uint64_t(iloczyn << -przesuniecie);
        return true;
    }
    if (przesuniecie >= 128) {
        q = 0; // below 2^-11
        return true;
    }
    u128 wynik = iloczyn >> przesuniecie;
    const u128 reszta = iloczyn - (wynik << przesuniecie), polowa = u128(1) << (przesuniecie - 1);
    wynik += reszta > polowa || (reszta == polowa && (wynik & 1));
    if (wynik >> 63)
        return false;
    q = std::uint64_t(wynik);
    return true;
}

// q = |v| / 10^m rounded half to even, exactly, in 128-bit integers.
bool zaokraglij_dzielac(const Rozklad& r, int m, std::uint64_t& q)
{
    if (m > 38 || r.e > 74 || r.e < -64)
        return false;
    u128 dzielnik = 1;
    for (int k = 0; k < m; ++k)
        dzielnik *= 10;
    u128 dzielna = r.m;
    if (r.e >= 0)
        dzielna <<= r.e;
    else if (dzielnik >> (128 + r.e) != 0) // the divisor times 2^-e would not fit
        return false;
    else
        dzielnik <<= -r.e;
    const u128 iloraz = dzielna / dzielnik, reszta = dzielna - iloraz * dzielnik;
    if (iloraz >> 63)
        return false;
    const u128 dopelnienie = dzielnik - reszta;
    q = std::uint64_t(iloraz) + (reszta > dopelnienie || (reszta == dopelnienie && (iloraz & 1)));
    return true;
}

// The P significant digits of |v| (finite, not 0) as q, 10^(P-1) <= q < 10^P,
// and the decimal exponent of the first. False where it cannot be done
// exactly here (very small or very large values: the caller asks to_chars).
bool cyfry_znaczace(double v, int P, std::uint64_t& q, int& wykladnik)
{
    const Rozklad r = rozloz(v);
    const int e2 = r.e + std::bit_width(r.m) - 1; // |v| lies in [2^e2, 2^(e2+1))
    int k = int((std::int64_t{e2} * 78913) >> 18); // floor(log10 2^e2): the exponent, or one below
    for (int proba = 0; proba < 2; ++proba, ++k) {
        const int n = P - 1 - k;
        const bool ok = n >= 0 ? n <= 27 && zaokraglij_mnozac(r, n, q) : zaokraglij_dzielac(r, -n, q);
        if (!ok)
            return false;
        if (q <= potega10(P)) // not one exponent too small
            break;
    }
    wykladnik = k;
    if (q == potega10(P)) { // rounded up to the next power
        q = potega10(P - 1);
        ++wykladnik;
    }
    return q >= potega10(P - 1) && q < potega10(P);
}

// q / 10^n and q % 10^n for n in 0..17, each by a constant divisor (a
// division by a number known only at run time is several times slower).
template <std::size_t... N>
constexpr auto dzielenia(std::index_sequence<N...>)
{
    using Dzielenie = std::pair<std::uint64_t, std::uint64_t> (*)(std::uint64_t);
    return std::array<Dzielenie, sizeof...(N)>{
        [](std::uint64_t q) { return std::pair{q / potegi10[N], q % potegi10[N]}; }...};
}
constexpr auto podziel_przez_potege = dzielenia(std::make_index_sequence<18>());

// Drops up to `najwiecej` zeros at the end of q; answers how many went.
int bez_zer_na_koncu(std::uint64_t& q, int najwiecej)
{
    int zera = 0;
    while (zera < najwiecej && q % 10 == 0) {
        q /= 10;
        ++zera;
    }
    return zera;
}

// %.Pg from the P significant digits q and the exponent X, as printf lays
// them out: no zeros at the end of a fraction, no point with nothing after
// it. Every digit is written once, in its place.
char* ogolny_z_cyfr(char* p, bool ujemna, std::uint64_t q, int X, int P)
{
    if (ujemna)
        *p++ = '-';
    if (X < -4 || X >= P) {
        const int znaczace = P - bez_zer_na_koncu(q, P - 1);
        cyfry_od_konca(p + 1 + znaczace, q, znaczace);
        p[0] = p[1];
        p[1] = '.';
        p += znaczace > 1 ? znaczace + 1 : 1;
        *p++ = 'e';
        *p++ = X < 0 ? '-' : '+';
        const int w = X < 0 ? -X : X; // at most 324: two digits, or three
        if (w >= 100)
            *p++ = char('0' + w / 100);
        std::memcpy(p, pary + 2 * (w % 100), 2);
        return p + 2;
    }
    if (X >= 0) {
        const int ulamkowe = P - 1 - X - bez_zer_na_koncu(q, P - 1 - X);
        const auto [calkowita, ulamek] = podziel_przez_potege[std::size_t(ulamkowe)](q);
        cyfry_od_konca(p + X + 1, calkowita, X + 1);
        if (ulamkowe == 0)
            return p + X + 1;
        p[X + 1] = '.';
        cyfry_od_konca(p + X + 2 + ulamkowe, ulamek, ulamkowe);
        return p + X + 2 + ulamkowe;
    }
    const int znaczace = P - bez_zer_na_koncu(q, P - 1);
    std::memcpy(p, "0.0000", 6); // "0." and -X - 1 zeros: X >= -4
    p += 1 - X;
    cyfry_od_konca(p + znaczace, q, znaczace);
    return p + znaczace;
}

char* przez_to_chars(char* p, double v, std::chars_format styl, int precyzja)
{
    return std::to_chars(p, p + miejsce_na_liczbe, v, styl, precyzja).ptr;
}

char* stale(char* p, double v, int precyzja)
{
    char* q = p;
    if (stale_dokladnie(q, v, precyzja))
        return q;
    return przez_to_chars(p, v, std::chars_format::fixed, precyzja);
}

char* ogolny(char* p, double v, int precyzja)
{
    const int P = precyzja < 0 ? 6 : std::max(precyzja, 1);
    if (v == 0) {
        if (std::signbit(v))
            *p++ = '-';
        *p++ = '0';
        return p;
    }
    std::uint64_t q = 0;
    int X = 0;
    if (P <= 17 && cyfry_znaczace(v, P, q, X))
        return ogolny_z_cyfr(p, std::signbit(v), q, X, P);
    return przez_to_chars(p, v, std::chars_format::general, P);
}

} // namespace

char* zapisz_liczbe(char* p, double v, FormatLiczby f)
{
    char* koniec = p;
    if (!std::isfinite(v))
        koniec = nie_liczba(p, v);
    else if (f.typ == 'f')
        koniec = stale(p, v, f.precyzja < 0 ? 6 : f.precyzja);
    else if (f.typ == 'e')
        koniec = przez_to_chars(p, v, std::chars_format::scientific, f.precyzja < 0 ? 6 : f.precyzja);
    else
        koniec = ogolny(p, v, f.precyzja);
    return dopelnij(p, koniec, f.szerokosc);
}

char* zapisz_liczbe(char* p, int v, int szerokosc)
{
    return dopelnij(p, std::to_chars(p, p + 16, v).ptr, szerokosc);
}

std::string printf_liczby(const char* format, double wartosc)
{
    const std::string_view f = format;
    const std::size_t procent = f.find('%');
    if (procent == std::string_view::npos)
        return std::string(f);
    std::size_t koniec_konwersji = f.find_first_of("feg", procent);
    koniec_konwersji = koniec_konwersji == std::string_view::npos ? f.size() : koniec_konwersji + 1;
    char bufor[miejsce_na_liczbe];
    const FormatLiczby konwersja = format_liczby(f.substr(procent, koniec_konwersji - procent));
    char* koniec = zapisz_liczbe(bufor, wartosc, konwersja);
    std::string tekst(f.substr(0, procent));
    tekst.append(bufor, koniec);
    tekst.append(f.substr(koniec_konwersji));
    return tekst;
}
