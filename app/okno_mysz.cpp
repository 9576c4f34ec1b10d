#include "okno.h"

#include "model.h"
#include "odczyt.h"
#include "teksty.h"
#include "wsp.h"

#include <QMouseEvent>

void _OKNO_::mouseMoveEvent(QMouseEvent* zdarzenie) { EvMouseMove(zdarzenie->position().toPoint()); }

void _OKNO_::mousePressEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton)
        EvLButtonDown(zdarzenie->position().toPoint());
}

// The coordinate goes to the read-out window; with a model, the stress of the
// element under the pointer follows the pointer as a tip, so the read-out
// window keeps its size and place.
void _OKNO_::EvMouseMove(QPoint ww)
{
    const float wx = wspolrzedna(ww.x());
    wsp->tekst(QString::fromStdString(tekst_wspolrzednej(wx, std::size_t(wsp->miesci_znakow()))));
    napis_naprezenia_ = QString::fromStdString(tekst_naprezenia(wx));
    if (Pusty)
        dymek_->hide();
    else
        dymek_->pokaz(napis_naprezenia_, mapToGlobal(ww + QPoint(16, 16)));
}

void _OKNO_::leaveEvent(QEvent*) { dymek_->hide(); }

// The question comes before the hit test, for every click while a model is held.
void _OKNO_::EvLButtonDown(QPoint ww)
{
    if (Pusty)
        return;
    Zajety zajety(*this);
    dymek_->hide();
    if (!rozmowa_->pytanie(teksty::zmienic_przekroj, teksty::uwaga))
        return;
    const int j = element_pod(wspolrzedna(ww.x()));
    if (j >= 1 && j <= il_elem) {
        zmien_p(j);
        update();
    }
}
