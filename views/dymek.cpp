#include "dymek.h"

#include <QToolTip>

Dymek::Dymek() : QLabel(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(2);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Dymek::pokaz(const QString& tekst, QPoint miejsce)
{
    if (text() != tekst) {
        setText(tekst);
        adjustSize();
    }
    move(miejsce);
    show();
}
