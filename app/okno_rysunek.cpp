#include "okno.h"

#include "gracz.h"
#include "model.h"
#include "rysunek.h"

#include <QPainter>

void _OKNO_::paintEvent(QPaintEvent*) { Paint(); }

// The whole picture every time; the scale of a drawing that showed the bar
// is kept for the pointer read-out.
void _OKNO_::Paint()
{
    const ObrazWidoku obraz = rysuj(UstawieniaWidoku{p_napr, p_przem, &knapr}, width(), height());
    if (obraz.skala) {
        x0 = obraz.skala->x0;
        sx = obraz.skala->sx;
    }
    QPainter malarz(this);
    odtworz(obraz.rysunek, malarz, width(), height(), bialy);
}
