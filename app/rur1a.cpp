#include "rur1a.h"

#include "okno.h"
#include "ramka.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

_RAMKA_* fw = nullptr;

void _RUR1A_::InitMainWindow()
{
    auto* okno = new _OKNO_();
    fw = new _RAMKA_(QString::fromUtf8(_tytul_), okno);
    fw->setWindowIcon(QIcon(":/RUR1A.png"));
    fw->resize(640, 400);
    fw->setAttribute(Qt::WA_DeleteOnClose);
    fw->showMaximized();
    // From the event loop, so that a refusal's message stands over the shown frame.
    if (!plik_startowy.isEmpty())
        QTimer::singleShot(0, okno, [okno, plik = plik_startowy] { okno->wczytaj_model(plik); });
}

// The loop ends with the frame: windows without an owner (results tables)
// do not keep the program alive.
int _RUR1A_::Run()
{
    InitMainWindow();
    QObject::connect(fw, &QObject::destroyed, qApp, &QApplication::quit);
    const int stan = QApplication::exec();
    fw = nullptr;
    qDeleteAll(QApplication::topLevelWidgets());
    return stan;
}
