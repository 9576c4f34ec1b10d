#include "wsk_ob.h"

#include <QProgressBar>

_WSK_OB_::_WSK_OB_(QWidget* rodzic, const QString& tytul)
    : OknoPodpisane(rodzic, tytul, QRect(20, 20, 80, 80)), sztyw(new QProgressBar(wnetrze()))
{
    sztyw->setObjectName("590");
    sztyw->setGeometry(5, 5, 60, 10);
    sztyw->setOrientation(Qt::Horizontal);
    sztyw->setTextVisible(false);
    sztyw->setRange(0, 100);
    sztyw->setValue(0);
    show();
}

void _WSK_OB_::ustaw(int wartosc)
{
    sztyw->setValue(wartosc);
    repaint();
}

int _WSK_OB_::wartosc() const { return sztyw->value(); }
