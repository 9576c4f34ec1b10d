#include "argumenty.h"

#include <string_view>

namespace {

// The length of the UTF-8 sequence at the start of s, 0 when there is none.
std::size_t dlugosc_utf8(std::string_view s)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(0);
    const std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((b(k) & 0xC0) != 0x80)
            return 0;
    // The shortest form only, and no surrogates: such bytes are kept as bytes.
    const char32_t kod = n == 1   ? c
                         : n == 2 ? (c & 0x1Fu) << 6 | (b(1) & 0x3Fu)
                         : n == 3 ? (c & 0x0Fu) << 12 | (b(1) & 0x3Fu) << 6 | (b(2) & 0x3Fu)
                                  : (c & 0x07u) << 18 | (b(1) & 0x3Fu) << 12 | (b(2) & 0x3Fu) << 6 | (b(3) & 0x3Fu);
    const char32_t najmniejszy[] = {0, 0, 0x80, 0x800, 0x10000};
    if (kod < najmniejszy[n] || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
        return 0;
    return n;
}

QString bez_strat(std::string_view s)
{
    QString t;
    while (!s.empty()) {
        const std::size_t n = dlugosc_utf8(s);
        if (n == 0) {
            t += QChar(char16_t(0xDC00 + static_cast<unsigned char>(s[0])));
            s.remove_prefix(1);
        } else {
            t += QString::fromUtf8(s.data(), qsizetype(n));
            s.remove_prefix(n);
        }
    }
    return t;
}

} // namespace

QStringList argumenty_bez_strat(int argc, char* argv[])
{
    QStringList a;
    for (int k = 0; k < argc; ++k)
        a << bez_strat(argv[k]);
    return a;
}

std::string bajty_nazwy(const QString& nazwa)
{
    std::string b;
    for (qsizetype k = 0; k < nazwa.size(); ++k) {
        const char16_t c = nazwa[k].unicode();
        if (c >= 0xDC80 && c <= 0xDCFF && !(k > 0 && nazwa[k - 1].isHighSurrogate())) {
            b += char(c - 0xDC00);
            continue;
        }
        const qsizetype n = nazwa[k].isHighSurrogate() && k + 1 < nazwa.size() ? 2 : 1;
        b += nazwa.mid(k, n).toStdString();
        k += n - 1;
    }
    return b;
}
