#include "svg.h"

#include "piksele.h"

#include <map>
#include <string>
#include <tuple>

namespace {

void kolor_svg(Strumien& s, Kolor k)
{
    constexpr const char* cyfry = "0123456789abcdef";
    s << '#';
    for (const int skladowa : {czerwony(k), zielony(k), niebieski(k)})
        s << cyfry[skladowa >> 4] << cyfry[skladowa & 0xf];
}

void xml(Strumien& s, std::string_view tekst)
{
    for (char c : tekst) {
        switch (c) {
        case '&': s << "&amp;"; break;
        case '<': s << "&lt;"; break;
        case '>': s << "&gt;"; break;
        case '"': s << "&quot;"; break;
        default: s << c;
        }
    }
}

// The rectangles of pixels, each as one <rect>.
class Prostokaty : public Wypelnianie {
public:
    explicit Prostokaty(Strumien& s) : s_(s) {}
    void wypelnij(int x1, int y1, int x2, int y2, Kolor k) override
    {
        if (x2 < x1 || y2 < y1)
            return;
        s_ << "<rect x=\"" << x1 << "\" y=\"" << y1 << "\" width=\"" << x2 - x1 + 1 << "\" height=\"" << y2 - y1 + 1
           << "\" fill=\"";
        kolor_svg(s_, k);
        s_ << "\"/>\n";
    }

private:
    Strumien& s_;
};

class Pisarz {
public:
    Pisarz(Strumien& s, int w, int h, const OpcjeSvg& opcje) : s_(s), prostokaty_(s), w_(w), h_(h), opcje_(opcje) {}

    void operator()(const Prostokat& r) { wypelnienia(r, prostokaty_); }
    void operator()(const ProstokatyNaOsi& r)
    {
        for (const Prostokat& p : r.prostokaty)
            (*this)(p);
    }
    void operator()(const Linia& l)
    {
        if (l.x1 == l.x2 || l.y1 == l.y2) {
            wypelnienia(l, w_, h_, prostokaty_);
            return;
        }
        const int id = ksztalt(l); // may define it first
        s_ << "<use xlink:href=\"#" << opcje_.przedrostek << id << "\" x=\"" << l.x1 << "\" y=\"" << l.y1 << "\"/>\n";
    }
    void operator()(const Tekst& t)
    {
        if (!opcje_.miara) {
            s_ << "<text x=\"" << t.x << "\" y=\"" << t.y << "\" " << kroj << " font-size=\"" << t.wysokosc
               << "px\" dominant-baseline=\"text-before-edge\"";
        } else {
            const MiaraNapisu m = opcje_.miara(t);
            prostokaty_.wypelnij(t.x, t.y, t.x + m.szerokosc - 1, t.y + t.wysokosc - 1, t.tlo);
            s_ << "<text x=\"" << t.x << "\" y=\"" << t.y + m.wzniesienie << "\" " << kroj << " font-size=\"" << m.em
               << "px\"";
        }
        s_ << " fill=\"";
        kolor_svg(s_, t.kolor);
        s_ << "\">";
        xml(s_, t.tekst);
        s_ << "</text>\n";
    }

private:
    static constexpr const char* kroj = "font-family=\"Arial, Liberation Sans, sans-serif\"";

    // The id of a slanted line's pixels drawn from the origin: defined where
    // first needed (pixels do not depend on where a line starts).
    int ksztalt(const Linia& l)
    {
        const auto klucz = std::make_tuple(l.x2 - l.x1, l.y2 - l.y1, l.pioro.grubosc, l.pioro.kolor);
        const auto [it, nowy] = ksztalty_.emplace(klucz, int(ksztalty_.size()) + 1);
        if (nowy) {
            s_ << "<defs><g id=\"" << opcje_.przedrostek << it->second << "\">\n";
            wypelnienia(Linia{0, 0, l.x2 - l.x1, l.y2 - l.y1, l.pioro}, w_, h_, prostokaty_);
            s_ << "</g></defs>\n";
        }
        return it->second;
    }

    Strumien& s_;
    Prostokaty prostokaty_;
    int w_, h_;
    const OpcjeSvg& opcje_;
    std::map<std::tuple<int, int, int, Kolor>, int> ksztalty_;
};

} // namespace

void zapisz_svg(const Rysunek& rysunek, int szerokosc, int wysokosc, Strumien& s, const OpcjeSvg& opcje)
{
    if (opcje.deklaracja_xml)
        s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\""
      << szerokosc << "\" height=\"" << wysokosc << "\" viewBox=\"0 0 " << szerokosc << ' ' << wysokosc
      << "\" shape-rendering=\"crispEdges\">\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    Pisarz pisarz{s, szerokosc, wysokosc, opcje};
    for (const ElementRysunku& e : rysunek)
        std::visit(pisarz, e);
    s << "</svg>\n";
}
