#pragma once

#include "strumien.h"

#include <string>
#include <string_view>

// Small pieces of the HTML report.

// Text safe inside HTML elements and attribute values; control characters
// and bytes that are not UTF-8 as \xNN.
std::string html(std::string_view tekst);

// A number as the report shows it: 7 significant digits, a point, "−" for minus.
std::string liczba_html(double v);

// The same written straight into a stream: s << LiczbaHtml{v}.
struct LiczbaHtml {
    double v;
};
Strumien& operator<<(Strumien& s, LiczbaHtml l);

// <table> with a header row; rows are added with wiersz_html.
void poczatek_tabeli(Strumien& o, std::initializer_list<std::string_view> naglowki,
                     std::string_view klasa = {});
void koniec_tabeli(Strumien& o);

template <typename... Komorki>
void wiersz_html(Strumien& o, const Komorki&... komorki)
{
    o << "<tr>";
    ((o << "<td>" << komorki << "</td>"), ...);
    o << "</tr>\n";
}
