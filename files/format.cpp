#include "format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

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

// The decimal digits of n, exactly `ile` of them (leading zeros), ending at `koniec`.
void cyfry_od_konca(char* koniec, std::uint64_t n, int ile)
{
    for (; ile >= 4; ile -= 4, n /= 10000) { // four at a time: half the chain of divisions
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

// a · b exactly, as hi + lo (Dekker's product: no fused multiply-add, which
// the build forbids the compiler to introduce).
void iloczyn_dokladny(double a, double b, double& hi, double& lo)
{
    constexpr double rozszczepienie = 134217729.0; // 2^27 + 1
    const double ca = rozszczepienie * a, cb = rozszczepienie * b;
    const double a1 = ca - (ca - a), a2 = a - a1, b1 = cb - (cb - b), b2 = b - b1;
    hi = a * b;
    lo = ((a1 * b1 - hi) + a1 * b2 + a2 * b1) + a2 * b2;
}

constexpr auto potegi10_double = [] {
    std::array<double, 23> p{}; // 10^22 = 2^22 · 5^22 and 5^22 < 2^53: all exact
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k)
        p[k] = p[k - 1] * 10;
    return p;
}();

// q = |v| · 10^n rounded half to even, exactly, for 0 <= n <= 22 and a
// result below 2^52: the product is exact as hi + lo.
bool zaokraglij_mnozac(double v, int n, std::uint64_t& q)
{
    double hi = 0, lo = 0;
    iloczyn_dokladny(std::fabs(v), potegi10_double[std::size_t(n)], hi, lo);
    if (!(hi < 0x1p52))
        return false;
    const auto calosc = std::int64_t(hi); // signed conversions are the machine's own
    const double od_polowy = (hi - double(calosc)) - 0.5; // exact; a multiple of hi's ulp, which |lo| is below
    const bool wyzej = od_polowy > 0 || (od_polowy == 0 && lo > 0);
    const bool remis = od_polowy == 0 && lo == 0;
    q = std::uint64_t(calosc) + (wyzej || (remis && (calosc & 1)));
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
        const bool ok = n >= 0 ? n <= 22 && zaokraglij_mnozac(v, n, q) : zaokraglij_dzielac(r, -n, q);
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

// The end of a number written up to `koniec` without the zeros that would
// end its fraction, and without a point that has nothing after it.
char* bez_zer_ulamka(char* koniec)
{
    while (koniec[-1] == '0')
        --koniec;
    return koniec[-1] == '.' ? koniec - 1 : koniec;
}

// %.Pg from the P significant digits q and the exponent X, as printf lays
// them out; the digits go straight to their places.
char* ogolny_z_cyfr(char* p, bool ujemna, std::uint64_t q, int X, int P)
{
    if (ujemna)
        *p++ = '-';
    if (X < -4 || X >= P) {
        cyfry_od_konca(p + 1 + P, q, P);
        p[0] = p[1];
        p[1] = '.';
        p = bez_zer_ulamka(p + 1 + P);
        *p++ = 'e';
        *p++ = X < 0 ? '-' : '+';
        const int w = X < 0 ? -X : X; // at most 324: two digits, or three
        if (w >= 100)
            *p++ = char('0' + w / 100);
        std::memcpy(p, pary + 2 * (w % 100), 2);
        return p + 2;
    }
    if (X >= 0) {
        const int po_kropce = P - 1 - X;
        if (po_kropce == 0) {
            cyfry_od_konca(p + P, q, P);
            return p + P;
        }
        const std::uint64_t dzielnik = potega10(po_kropce);
        cyfry_od_konca(p + X + 1, q / dzielnik, X + 1);
        p[X + 1] = '.';
        cyfry_od_konca(p + P + 1, q % dzielnik, po_kropce);
        return bez_zer_ulamka(p + P + 1);
    }
    std::memcpy(p, "0.0000", 6); // "0." and -X - 1 zeros: X >= -4
    p += 1 - X;
    cyfry_od_konca(p + P, q, P);
    return bez_zer_ulamka(p + P);
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
