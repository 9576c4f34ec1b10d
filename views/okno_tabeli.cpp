#include "okno_tabeli.h"

#include "gracz.h"
#include "model.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int krok = 10;

} // namespace

OknoTabeli::OknoTabeli(QWidget* wlasciciel, const QString& tytul, const QSize& rozmiar)
    : QAbstractScrollArea(wlasciciel)
{
    // The window manager keeps a dialog above its owner; a plain window with
    // an owner it lets fall behind.
    if (wlasciciel)
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                       Qt::WindowCloseButtonHint);
    else
        setWindowFlag(Qt::Window);
    setWindowIcon(QIcon(":/RUR1A.png"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tytul);
    QPalette paleta = viewport()->palette();
    paleta.setColor(QPalette::Window, QColor(192, 192, 192));
    paleta.setColor(QPalette::Base, QColor(192, 192, 192));
    viewport()->setPalette(paleta);
    viewport()->setAutoFillBackground(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    move(20, 20);
    resize(rozmiar);
    horizontalScrollBar()->setRange(0, 30);
}

void OknoTabeli::odswiez_wszystkie()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = dynamic_cast<OknoTabeli*>(w))
            t->viewport()->update();
}

void OknoTabeli::ustaw_zakresy()
{
    horizontalScrollBar()->setRange(0, 30);
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / krok));
    if (Pusty)
        return;
    const tabele::Przewijanie p = tabele::przewijanie(il_elem, wysokosc_tresci(), viewport()->height());
    krok_pionowy_ = p.piksele_na_krok;
    if (verticalScrollBar()->maximum() != p.kroki)
        verticalScrollBar()->setRange(0, p.kroki);
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / krok_pionowy_));
}

tabele::Widok OknoTabeli::widok() const
{
    return {horizontalScrollBar()->value() * krok, std::int64_t{verticalScrollBar()->value()} * krok_pionowy_,
            viewport()->width(), viewport()->height()};
}

void OknoTabeli::paintEvent(QPaintEvent*)
{
    if (Pusty) {
        bez_modelu();
        return;
    }
    z_modelem();
    ustaw_zakresy(); // the model may have changed since the last paint
    QPainter malarz(viewport());
    odtworz(uklad(widok()), malarz, viewport()->width(), viewport()->height(), jasnoszary);
}

void OknoTabeli::resizeEvent(QResizeEvent* zdarzenie)
{
    QAbstractScrollArea::resizeEvent(zdarzenie);
    ustaw_zakresy();
}
