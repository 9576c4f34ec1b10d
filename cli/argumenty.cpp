#include "argumenty.h"

#include "widoczne.h"

#include <string_view>

namespace {

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
