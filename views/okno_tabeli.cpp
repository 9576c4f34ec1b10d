#include "okno_tabeli.h"

#include "gracz.h"
#include "model.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QIcon>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

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

void OknoTabeli::keyPressEvent(QKeyEvent* zdarzenie)
{
    const bool ctrl = zdarzenie->modifiers() & Qt::ControlModifier;
    if (zdarzenie->matches(QKeySequence::Copy)) {
        kopiuj();
    } else if (zdarzenie->key() == Qt::Key_Home || zdarzenie->key() == Qt::Key_End) {
        QScrollBar* pionowy = verticalScrollBar();
        pionowy->setValue(zdarzenie->key() == Qt::Key_Home ? pionowy->minimum() : pionowy->maximum());
        if (ctrl)
            horizontalScrollBar()->setValue(zdarzenie->key() == Qt::Key_Home ? 0 : horizontalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(zdarzenie);
    }
}

// Written into memory first: a table of a million rows is copied in a
// fraction of a second.
void OknoTabeli::kopiuj() const
{
    if (Pusty)
        return;
    char* bufor = nullptr;
    std::size_t dlugosc = 0;
    std::FILE* pamiec = open_memstream(&bufor, &dlugosc);
    if (!pamiec)
        return;
    const bool wypisano = wypisz(pamiec);
    const bool zamknieto = std::fclose(pamiec) == 0;
    if (wypisano && zamknieto)
        QGuiApplication::clipboard()->setText(QString::fromUtf8(bufor, qsizetype(dlugosc)));
    std::free(bufor);
}

void OknoTabeli::resizeEvent(QResizeEvent* zdarzenie)
{
    QAbstractScrollArea::resizeEvent(zdarzenie);
    ustaw_zakresy();
}
