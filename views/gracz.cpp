#include "gracz.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

QColor kolor_qt(Kolor k) { return QColor(czerwony(k), zielony(k), niebieski(k)); }

struct Odtwarzacz {
    QPainter& m;

    void pas(int x1, int y1, int x2, int y2, const QColor& k) const
    {
        m.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), k);
    }

    // Fill [lewo, prawo) x [gora, dol), then the outline on the last pixels
    // inside it, a pen of width w reaching w / 2 pixels outwards and
    // (w - 1) / 2 inwards. An empty rectangle still shows its outline.
    void operator()(const Prostokat& r) const
    {
        const int p = std::max(r.lewo, r.prawo - 1), b = std::max(r.gora, r.dol - 1);
        if (r.prawo > r.lewo && r.dol > r.gora)
            pas(r.lewo, r.gora, p, b, kolor_qt(r.wypelnienie));
        const int w = std::max(1, r.pioro.grubosc);
        const int zewn = w / 2, wewn = (w - 1) / 2;
        const QColor k = kolor_qt(r.pioro.kolor);
        const int l = r.lewo, t = r.gora;
        pas(l - zewn, t - zewn, p + zewn, t + wewn, k); // top
        pas(l - zewn, b - wewn, p + zewn, b + zewn, k); // bottom
        pas(l - zewn, t - zewn, l + wewn, b + zewn, k); // left
        pas(p - wewn, t - zewn, p + zewn, b + zewn, k); // right
    }

    // Lines leave out their end point; a horizontal or vertical one is
    // shortened by that pixel, any other is drawn as the painter rasterises it.
    void operator()(const Linia& l) const
    {
        QPen pioro(kolor_qt(l.pioro.kolor));
        pioro.setWidth(std::max(1, l.pioro.grubosc));
        pioro.setCapStyle(Qt::FlatCap);
        m.setPen(pioro);
        QPoint koniec(l.x2, l.y2);
        if (l.y1 == l.y2 && l.x1 != l.x2)
            koniec.rx() += l.x2 > l.x1 ? -1 : 1;
        else if (l.x1 == l.x2 && l.y1 != l.y2)
            koniec.ry() += l.y2 > l.y1 ? -1 : 1;
        if (koniec == QPoint(l.x1, l.y1) && QPoint(l.x2, l.y2) != koniec)
            m.drawPoint(koniec);
        else if (koniec != QPoint(l.x1, l.y1))
            m.drawLine(QPoint(l.x1, l.y1), koniec);
    }

    void operator()(const Tekst& t) const
    {
        QFont czcionka("Arial");
        czcionka.setPixelSize(std::max(1, t.wysokosc));
        czcionka.setWeight(QFont::Normal);
        m.setFont(czcionka);
        m.setPen(kolor_qt(t.kolor));
        m.setBackground(kolor_qt(t.tlo));
        m.setBackgroundMode(Qt::OpaqueMode);
        m.drawText(QPoint(t.x, t.y + QFontMetrics(czcionka).ascent()), QString::fromStdString(t.tekst));
        m.setBackgroundMode(Qt::TransparentMode);
    }
};

} // namespace

void odtworz(const Rysunek& rysunek, QPainter& malarz)
{
    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing, false);
    const Odtwarzacz odtwarzacz{malarz};
    for (const ElementRysunku& element : rysunek)
        std::visit(odtwarzacz, element);
    malarz.restore();
}
