#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The float nearest to a plain decimal such as 12.5, -0.001, .5 or 3e-7 (a
// minus sign allowed, at most 19 digits making an integer up to 2^53, times
// ten to a power within ±22), found with one double operation: the common
// case of a text model, several times faster than a general parse. False for
// any other text, and where the double lands on a midpoint between two
// floats, which only an exact parse can settle; the caller then asks
// std::from_chars. Inline: it runs once for every number of a text.
[[gnu::always_inline]] inline bool float_z_dziesietnej(std::string_view s, float& v)
{
    static constexpr auto potegi10 = [] { // each exact in a double
        std::array<double, 23> p{};
        double x = 1;
        for (double& q : p) {
            q = x;
            x *= 10;
        }
        return p;
    }();
    const char* p = s.data();
    const char* const koniec = p + s.size();
    const bool ujemna = p != koniec && *p == '-';
    p += ujemna;
    const char* const cyfry = p;
    const char* kropka = nullptr;
    std::uint64_t m = 0;
    for (; p != koniec; ++p) {
        if (const auto c = static_cast<unsigned char>(*p - '0'); c < 10)
            m = m * 10 + c;
        else if (*p == '.' && !kropka)
            kropka = p;
        else
            break;
    }
    const auto ile = int(p - cyfry) - (kropka != nullptr);
    if (ile == 0 || ile > 19) // none, or perhaps beyond 64 bits
        return false;
    int potega = kropka ? -int(p - kropka - 1) : 0;
    if (p != koniec && (*p == 'e' || *p == 'E')) {
        const bool ujemny = ++p != koniec && *p == '-';
        p += p != koniec && (*p == '-' || *p == '+');
        int w = 0;
        const char* const wykladnik = p;
        for (; p != koniec && static_cast<unsigned char>(*p - '0') < 10; ++p)
            w = w < 100000 ? w * 10 + (*p - '0') : w; // huge is as good as any beyond the range
        if (p == wykladnik)
            return false;
        potega += ujemny ? -w : w;
    }
    if (p != koniec || m > std::uint64_t{1} << 53 || potega < -22 || potega > 22)
        return false;
    // m and 10^|potega| are exact, so d is x rounded once. A midpoint between
    // floats is a double, so d lies on the same side of it as x unless d is
    // that midpoint: then the float of d is the float of x. Every value here
    // is zero or a normal float, the midpoints those doubles whose 29 bits
    // below a float's precision are 1 and zeros.
    const double d =
        potega >= 0 ? double(m) * potegi10[std::size_t(potega)] : double(m) / potegi10[std::size_t(-potega)];
    constexpr std::uint64_t ponizej_floata = (std::uint64_t{1} << 29) - 1;
    if ((std::bit_cast<std::uint64_t>(d) & ponizej_floata) == std::uint64_t{1} << 28)
        return false;
    v = ujemna ? -float(d) : float(d);
    return true;
}
