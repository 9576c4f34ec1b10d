#include "gracz.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <type_traits>
#include <vector>

namespace {

QRgb kolor_qt(Kolor k) { return qRgb(czerwony(k), zielony(k), niebieski(k)); }

class Rastrowanie {
public:
    explicit Rastrowanie(QImage& obraz)
        : piksele_(reinterpret_cast<QRgb*>(obraz.bits())), wiersz_(obraz.bytesPerLine() / int(sizeof(QRgb))),
          w_(obraz.width()), h_(obraz.height())
    {
    }

    // Pixels [x1, x2] x [y1, y2], clipped to the image.
    void wypelnij(int x1, int y1, int x2, int y2, QRgb kolor)
    {
        x1 = std::max(x1, 0);
        y1 = std::max(y1, 0);
        x2 = std::min(x2, w_ - 1);
        y2 = std::min(y2, h_ - 1);
        if (x1 > x2)
            return;
        for (int y = y1; y <= y2; ++y) {
            QRgb* wiersz = piksele_ + std::ptrdiff_t(y) * wiersz_;
            std::fill(wiersz + x1, wiersz + x2 + 1, kolor);
        }
    }

    void operator()(const Prostokat& r)
    {
        const Obszar a = obszar(r);
        wypelnij(a.lewo, a.gora, a.prawo, a.dol, kolor_qt(r.pioro.kolor));
        const int wewn = (std::max(1, r.pioro.grubosc) - 1) / 2 + 1; // outline rows and columns inside
        if (r.prawo > r.lewo && r.dol > r.gora)
            wypelnij(r.lewo + wewn, r.gora + wewn, r.prawo - 1 - wewn, r.dol - 1 - wewn, kolor_qt(r.wypelnienie));
    }

    void operator()(const Linia& l)
    {
        const QRgb kolor = kolor_qt(l.pioro.kolor);
        const int w = std::max(1, l.pioro.grubosc), przed = w / 2, po = (w - 1) / 2;
        if (l.y1 == l.y2 || l.x1 == l.x2) { // one fill: the end point left out
            const int kx = l.x2 == l.x1 ? l.x2 : l.x2 + (l.x2 > l.x1 ? -1 : 1);
            const int ky = l.y2 == l.y1 ? l.y2 : l.y2 + (l.y2 > l.y1 ? -1 : 1);
            if (l.x1 == l.x2 && l.y1 == l.y2)
                return;
            wypelnij(std::min(l.x1, kx) - przed, std::min(l.y1, ky) - przed, std::max(l.x1, kx) + po,
                     std::max(l.y1, ky) + po, kolor);
            return;
        }
        // Marks beside the bar are a few pixels long; a longer slanted line
        // (only a damaged model makes one) is not drawn.
        if (std::abs(l.x2 - l.x1) > 4 * (w_ + h_) || std::abs(l.y2 - l.y1) > 4 * (w_ + h_))
            return;
        const int dx = std::abs(l.x2 - l.x1), dy = -std::abs(l.y2 - l.y1);
        const int kx = l.x1 < l.x2 ? 1 : -1, ky = l.y1 < l.y2 ? 1 : -1;
        int blad = dx + dy, x = l.x1, y = l.y1;
        while (x != l.x2 || y != l.y2) {
            wypelnij(x - przed, y - przed, x + po, y + po, kolor);
            const int podwojny = 2 * blad;
            if (podwojny >= dy) {
                blad += dy;
                x += kx;
            }
            if (podwojny <= dx) {
                blad += dx;
                y += ky;
            }
        }
    }

    // The rectangles in turn, as if each were drawn over the ones before: taken
    // from the last, each column keeps the run of rows already final, which
    // (every area crossing the axis row) stays one run, and only the rows
    // outside it are set.
    void operator()(const ProstokatyNaOsi& s)
    {
        const bool na_osi = std::all_of(s.prostokaty.begin(), s.prostokaty.end(), [&](const Prostokat& r) {
            const Obszar a = obszar(r);
            return a.gora <= s.wiersz && s.wiersz <= a.dol;
        });
        if (!na_osi) {
            for (const Prostokat& r : s.prostokaty)
                (*this)(r);
            return;
        }
        std::vector<int> gotowe_od(std::size_t(std::max(w_, 0)), s.wiersz + 1), gotowe_do(gotowe_od.size(), s.wiersz);
        for (auto r = s.prostokaty.rbegin(); r != s.prostokaty.rend(); ++r) {
            const Obszar a = obszar(*r);
            const QRgb pioro = kolor_qt(r->pioro.kolor), wypelnienie = kolor_qt(r->wypelnienie);
            const int wewn = (std::max(1, r->pioro.grubosc) - 1) / 2 + 1;
            const bool z_wnetrzem = r->prawo > r->lewo && r->dol > r->gora;
            const int wl = r->lewo + wewn, wp = r->prawo - 1 - wewn, wg = r->gora + wewn, wd = r->dol - 1 - wewn;
            for (int x = std::max(a.lewo, 0); x <= std::min(a.prawo, w_ - 1); ++x) {
                int& od = gotowe_od[std::size_t(x)];
                int& do_ = gotowe_do[std::size_t(x)];
                const bool kolumna_wnetrza = z_wnetrzem && x >= wl && x <= wp;
                kolumna(x, a.gora, std::min(a.dol, od - 1), kolumna_wnetrza, wg, wd, pioro, wypelnienie);
                kolumna(x, std::max(a.gora, do_ + 1), a.dol, kolumna_wnetrza, wg, wd, pioro, wypelnienie);
                od = std::min(od, a.gora);
                do_ = std::max(do_, a.dol);
            }
        }
    }

private:
    // Rows [od, do_] of column x: fill colour on the interior rows [wg, wd]
    // of an interior column, pen colour elsewhere.
    void kolumna(int x, int od, int do_, bool wnetrze, int wg, int wd, QRgb pioro, QRgb wypelnienie)
    {
        od = std::max(od, 0);
        do_ = std::min(do_, h_ - 1);
        for (int y = od; y <= do_; ++y)
            piksele_[std::ptrdiff_t(y) * wiersz_ + x] = wnetrze && y >= wg && y <= wd ? wypelnienie : pioro;
    }

    QRgb* piksele_;
    int wiersz_; // pixels from one row to the next
    int w_, h_;
};

void napisy(QImage& obraz, const Rysunek& rysunek, std::size_t od, std::size_t do_)
{
    QPainter m(&obraz);
    m.setBackgroundMode(Qt::OpaqueMode);
    QFont czcionka("Arial");
    czcionka.setWeight(QFont::Normal);
    int wysokosc = -1, wznoszenie = 0;
    for (std::size_t k = od; k < do_; ++k) {
        const Tekst& t = std::get<Tekst>(rysunek[k]);
        if (t.wysokosc != wysokosc) {
            wysokosc = t.wysokosc;
            czcionka.setPixelSize(std::max(1, wysokosc));
            m.setFont(czcionka);
            wznoszenie = m.fontMetrics().ascent();
        }
        m.setPen(QColor(kolor_qt(t.kolor)));
        m.setBackground(QColor(kolor_qt(t.tlo)));
        m.drawText(QPoint(t.x, t.y + wznoszenie), QString::fromStdString(t.tekst));
    }
}

} // namespace

// Text goes through a painter a run at a time; the pixels are set directly
// while no painter is open on the image.
void odtworz(const Rysunek& rysunek, QImage& obraz)
{
    Rastrowanie r(obraz);
    for (std::size_t k = 0; k < rysunek.size();) {
        if (std::holds_alternative<Tekst>(rysunek[k])) {
            std::size_t koniec = k;
            while (koniec < rysunek.size() && std::holds_alternative<Tekst>(rysunek[koniec]))
                ++koniec;
            napisy(obraz, rysunek, k, koniec);
            k = koniec;
            continue;
        }
        std::visit([&r](const auto& element) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(element)>, Tekst>)
                r(element);
        }, rysunek[k]);
        ++k;
    }
}

void odtworz(const Rysunek& rysunek, QPainter& malarz, int szerokosc, int wysokosc, Kolor tlo)
{
    if (szerokosc <= 0 || wysokosc <= 0)
        return;
    QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
    obraz.fill(kolor_qt(tlo));
    odtworz(rysunek, obraz);
    malarz.drawImage(0, 0, obraz);
}
