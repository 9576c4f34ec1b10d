#include "html.h"

#include "format.h"

std::string html(std::string_view tekst)
{
    std::string w;
    w.reserve(tekst.size());
    for (char c : tekst)
        switch (c) {
        case '&': w += "&amp;"; break;
        case '<': w += "&lt;"; break;
        case '>': w += "&gt;"; break;
        case '"': w += "&quot;"; break;
        default: w += c;
        }
    return w;
}

std::string liczba_html(double v)
{
    if (v == 0)
        v = 0; // no "−0"
    std::string t = printf_liczby("%.7g", v);
    if (!t.empty() && t[0] == '-')
        t.replace(0, 1, "−");
    return t;
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
