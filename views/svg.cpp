#include "svg.h"

#include "piksele.h"

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

class Pisarz : public Wypelnianie {
public:
    Pisarz(std::ostream& o, int w, int h, const Mierzenie& miara) : o_(o), w_(w), h_(h), miara_(miara) {}

    void wypelnij(int x1, int y1, int x2, int y2, Kolor k) override
    {
        if (x2 < x1 || y2 < y1)
            return;
        o_ << "<rect x=\"" << x1 << "\" y=\"" << y1 << "\" width=\"" << x2 - x1 + 1 << "\" height=\""
           << y2 - y1 + 1 << "\" fill=\"" << kolor_svg(k) << "\"/>\n";
    }

    void operator()(const Prostokat& r) { wypelnienia(r, *this); }
    void operator()(const Linia& l) { wypelnienia(l, w_, h_, *this); }
    void operator()(const ProstokatyNaOsi& s)
    {
        for (const Prostokat& r : s.prostokaty)
            (*this)(r);
    }
    void operator()(const Tekst& t)
    {
        if (!miara_) {
            o_ << "<text x=\"" << t.x << "\" y=\"" << t.y << "\" " << kroj << " font-size=\"" << t.wysokosc
               << "px\" dominant-baseline=\"text-before-edge\" fill=\"" << kolor_svg(t.kolor) << "\">" << xml(t.tekst)
               << "</text>\n";
            return;
        }
        const MiaraNapisu m = miara_(t);
        wypelnij(t.x, t.y, t.x + m.szerokosc - 1, t.y + t.wysokosc - 1, t.tlo);
        o_ << "<text x=\"" << t.x << "\" y=\"" << t.y + m.wzniesienie << "\" " << kroj << " font-size=\"" << m.em
           << "px\" fill=\"" << kolor_svg(t.kolor) << "\">" << xml(t.tekst) << "</text>\n";
    }

private:
    static constexpr const char* kroj = "font-family=\"Arial, Liberation Sans, sans-serif\"";
    std::ostream& o_;
    int w_, h_;
    const Mierzenie& miara_;
};

} // namespace

void zapisz_svg(const Rysunek& rysunek, int szerokosc, int wysokosc, std::ostream& wyjscie, const Mierzenie& miara)
{
    wyjscie << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << szerokosc << "\" height=\"" << wysokosc
            << "\" viewBox=\"0 0 " << szerokosc << ' ' << wysokosc << "\" shape-rendering=\"crispEdges\">\n"
            << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    Pisarz pisarz{wyjscie, szerokosc, wysokosc, miara};
    for (const ElementRysunku& e : rysunek)
        std::visit(pisarz, e);
    wyjscie << "</svg>\n";
}
