#include "wsp.h"

#include <QLabel>

_WSP_::_WSP_(QWidget* okno)
    : OknoPodpisane(okno, "Współrzędna X", QRect(400, 10, 110, 50)), xx(new QLabel("x=0", wnetrze()))
{
    xx->setObjectName("999");
    xx->setGeometry(5, 5, 60, 30);
}

void _WSP_::tekst(const QString& zz)
{
    xx->setText(zz);
    update();
}

QString _WSP_::tekst() const { return xx->text(); }
