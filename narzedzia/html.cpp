#include "html.h"

#include "format.h"
#include "widoczne.h"

#include <algorithm>
#include <cstring>

std::string html(std::string_view tekst)
{
    std::string w;
    w.reserve(tekst.size());
    for (char c : poprawne_utf8(tekst)) // a name's bytes that are not UTF-8 would make the page invalid
        switch (c) {
        case '&': w += "&amp;"; break;
        case '<': w += "&lt;"; break;
        case '>': w += "&gt;"; break;
        case '"': w += "&quot;"; break;
        default: w += c;
        }
    return w;
}

namespace {

// Into b (room for a number and two bytes more); the end.
char* zapisz_liczbe_html(char* b, double v)
{
    if (v == 0)
        v = 0; // no "−0"
    char* koniec = zapisz_liczbe(b + 2, v, format_liczby("%.7g"));
    if (b[2] != '-')
        return std::copy(b + 2, koniec, b);
    std::memcpy(b, "−", 3); // U+2212 in place of the hyphen
    return koniec;
}

} // namespace

std::string liczba_html(double v)
{
    char b[miejsce_na_liczbe + 2];
    return std::string(b, zapisz_liczbe_html(b, v));
}

Strumien& operator<<(Strumien& s, LiczbaHtml l)
{
    char b[miejsce_na_liczbe + 2];
    return s << std::string_view(b, std::size_t(zapisz_liczbe_html(b, l.v) - b));
}

void poczatek_tabeli(Strumien& o, std::initializer_list<std::string_view> naglowki,
                     std::string_view klasa)
{
    o << "<table" << (klasa.empty() ? "" : " class=\"") << klasa << (klasa.empty() ? "" : "\"") << "><tr>";
    for (std::string_view n : naglowki)
        o << "<th>" << n << "</th>";
    o << "</tr>\n";
}

void koniec_tabeli(Strumien& o) { o << "</table>\n"; }
