#include "svg.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

std::string kolor_svg(Kolor k)
{
    char bufor[8];
    std::snprintf(bufor, sizeof bufor, "#%02x%02x%02x", czerwony(k), zielony(k), niebieski(k));
    return bufor;
}

std::string xml(const std::string& tekst)
{
    std::string wynik;
    for (char c : tekst) {
        switch (c) {
        case '&': wynik += "&amp;"; break;
        case '<': wynik += "&lt;"; break;
        case '>': wynik += "&gt;"; break;
        case '"': wynik += "&quot;"; break;
        default: wynik += c;
        }
    }
    return wynik;
}

// Pixels [x1, x2] x [y1, y2] filled.
void pole(std::ostream& o, int x1, int y1, int x2, int y2, Kolor k)
{
    if (x2 < x1 || y2 < y1)
        return;
    o << "<rect x=\"" << x1 << "\" y=\"" << y1 << "\" width=\"" << x2 - x1 + 1 << "\" height=\"" << y2 - y1 + 1
      << "\" fill=\"" << kolor_svg(k) << "\"/>\n";
}

struct Pisarz {
    std::ostream& o;

    void operator()(const Prostokat& r) const
    {
        const Obszar a = obszar(r);
        pole(o, a.lewo, a.gora, a.prawo, a.dol, r.pioro.kolor);
        const int wewn = (std::max(1, r.pioro.grubosc) - 1) / 2 + 1;
        if (r.prawo > r.lewo && r.dol > r.gora)
            pole(o, r.lewo + wewn, r.gora + wewn, r.prawo - 1 - wewn, r.dol - 1 - wewn, r.wypelnienie);
    }
    void operator()(const ProstokatyNaOsi& s) const
    {
        for (const Prostokat& r : s.prostokaty)
            (*this)(r);
    }
    // Along pixel centres, a flat cap ending before the end point's pixel.
    void operator()(const Linia& l) const
    {
        o << "<line x1=\"" << l.x1 + 0.5 << "\" y1=\"" << l.y1 + 0.5 << "\" x2=\"" << l.x2 + 0.5 << "\" y2=\""
          << l.y2 + 0.5 << "\" stroke=\"" << kolor_svg(l.pioro.kolor) << "\" stroke-width=\""
          << std::max(1, l.pioro.grubosc) << "\"/>\n";
    }
    void operator()(const Tekst& t) const
    {
        o << "<text x=\"" << t.x << "\" y=\"" << t.y << "\" font-family=\"Arial, Liberation Sans, sans-serif\""
          << " font-size=\"" << t.wysokosc << "px\" dominant-baseline=\"text-before-edge\" fill=\""
          << kolor_svg(t.kolor) << "\">" << xml(t.tekst) << "</text>\n";
    }
};

} // namespace

void zapisz_svg(const Rysunek& rysunek, int szerokosc, int wysokosc, std::ostream& wyjscie)
{
    wyjscie << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << szerokosc << "\" height=\"" << wysokosc
            << "\" viewBox=\"0 0 " << szerokosc << ' ' << wysokosc << "\" shape-rendering=\"crispEdges\">\n"
            << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    const Pisarz pisarz{wyjscie};
    for (const ElementRysunku& e : rysunek)
        std::visit(pisarz, e);
    wyjscie << "</svg>\n";
}
