#include "widoczne.h"

namespace {

char32_t znak_utf8(std::string_view s, std::size_t n)
{
    const auto b = [&](std::size_t k) { return char32_t(static_cast<unsigned char>(s[k])); };
    switch (n) {
    case 1: return b(0);
    case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    default: return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    }
}

bool sterujacy(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

void szesnastkowo(std::string& w, std::string_view bajty)
{
    for (const char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        w += "\\x";
        w += "0123456789ABCDEF"[b >> 4];
        w += "0123456789ABCDEF"[b & 0xF];
    }
}

std::string widoczne(std::string_view tekst, bool tylko_utf8)
{
    std::string w;
    w.reserve(tekst.size());
    while (!tekst.empty()) {
        const std::size_t n = dlugosc_utf8(tekst);
        const std::size_t ile = n ? n : 1;
        if (n ? sterujacy(znak_utf8(tekst, n)) : tylko_utf8)
            szesnastkowo(w, tekst.substr(0, ile));
        else
            w.append(tekst.substr(0, ile));
        tekst.remove_prefix(ile);
    }
    return w;
}

} // namespace

std::size_t dlugosc_utf8(std::string_view s)
{
    if (s.empty())
        return 0;
    const auto c = static_cast<unsigned char>(s[0]);
    const std::size_t n = c < 0x80             ? 1
                          : (c & 0xE0) == 0xC0 ? 2
                          : (c & 0xF0) == 0xE0 ? 3
                          : (c & 0xF8) == 0xF0 ? 4
                                               : 0;
    if (n == 0 || n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[k]) & 0xC0) != 0x80)
            return 0;
    const char32_t kod = znak_utf8(s, n);
    constexpr char32_t najmniejszy[] = {0, 0, 0x80, 0x800, 0x10000};
    if (kod < najmniejszy[n] || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
        return 0;
    return n;
}

std::string bez_sterujacych(std::string_view tekst) { return widoczne(tekst, false); }

std::string poprawne_utf8(std::string_view tekst) { return widoczne(tekst, true); }
