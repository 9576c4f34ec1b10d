#include "wsp.h"

#include <QLabel>

#include <algorithm>

_WSP_::_WSP_(QWidget* okno)
    : OknoPodpisane(okno, "Współrzędna X", QRect(400, 10, 110, 50)), xx(new QLabel("x=0", wnetrze()))
{
    xx->setObjectName("999");
    // The read-out's whole width, so that a long coordinate is not cut.
    xx->setGeometry(5, 5, geometry().width() - 12, 30);
}

int _WSP_::miesci_znakow() const { return xx->width() / std::max(1, xx->fontMetrics().horizontalAdvance("0")); }

void _WSP_::tekst(const QString& zz)
{
    xx->setText(zz);
    update();
}

QString _WSP_::tekst() const { return xx->text(); }
