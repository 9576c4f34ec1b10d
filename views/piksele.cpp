#include "piksele.h"

#include <algorithm>
#include <cstdlib>

void wypelnienia(const Prostokat& r, Wypelnianie& w)
{
    const Obszar a = obszar(r);
    w.wypelnij(a.lewo, a.gora, a.prawo, a.dol, r.pioro.kolor);
    const int wewn = (std::max(1, r.pioro.grubosc) - 1) / 2 + 1; // outline rows and columns inside
    if (r.prawo > r.lewo && r.dol > r.gora && r.prawo - 1 - wewn >= r.lewo + wewn &&
        r.dol - 1 - wewn >= r.gora + wewn)
        w.wypelnij(r.lewo + wewn, r.gora + wewn, r.prawo - 1 - wewn, r.dol - 1 - wewn, r.wypelnienie);
}

void wypelnienia(const Linia& l, int szerokosc, int wysokosc, Wypelnianie& w)
{
    const int grubosc = std::max(1, l.pioro.grubosc), przed = grubosc / 2, po = (grubosc - 1) / 2;
    if (l.x1 == l.x2 && l.y1 == l.y2)
        return;
    if (l.y1 == l.y2 || l.x1 == l.x2) { // one fill: the end point left out
        const int kx = l.x2 == l.x1 ? l.x2 : l.x2 + (l.x2 > l.x1 ? -1 : 1);
        const int ky = l.y2 == l.y1 ? l.y2 : l.y2 + (l.y2 > l.y1 ? -1 : 1);
        w.wypelnij(std::min(l.x1, kx) - przed, std::min(l.y1, ky) - przed, std::max(l.x1, kx) + po,
                   std::max(l.y1, ky) + po, l.pioro.kolor);
        return;
    }
    const long granica = 4L * (long(szerokosc) + wysokosc);
    if (std::labs(long(l.x2) - l.x1) > granica || std::labs(long(l.y2) - l.y1) > granica)
        return;
    const int dx = std::abs(l.x2 - l.x1), dy = -std::abs(l.y2 - l.y1);
    const int kx = l.x1 < l.x2 ? 1 : -1, ky = l.y1 < l.y2 ? 1 : -1;
    int blad = dx + dy, x = l.x1, y = l.y1;
    while (x != l.x2 || y != l.y2) {
        w.wypelnij(x - przed, y - przed, x + po, y + po, l.pioro.kolor);
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
