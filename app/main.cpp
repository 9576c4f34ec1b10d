// ZENTA: MES dla prętów rozciąganych i ściskanych.

#include "deskryptory_standardowe.h"
#include "ekran.h"
#include "plik_do_zapisu.h"
#include "po_polsku.h"
#include "rur1a.h"
#include "start.h"

#include <QApplication>
#include <QFile>
#include <QTranslator>

#include <cstdio>
#include <cstring>

namespace {

QStringList argumenty(int argc, char* argv[])
{
    QStringList a;
    for (int k = 0; k < argc; ++k)
        a << QFile::decodeName(argv[k]);
    return a;
}

// --pomoc, --wersja or a wrong line: answered without a window (no display
// needed), with Qt's own words of the help in Polish. An answer that cannot
// be written is said, with status 5.
int odpowiedz_bez_okna(int argc, char* argv[])
{
    QCoreApplication program(argc, argv);
    QTranslator tlumacz;
    mow_po_polsku(tlumacz);
    const Start s = rozbierz_start(argumenty(argc, argv));
    const QByteArray tekst = s.tekst.toUtf8();
    if (s.co == Start::Co::blad) {
        std::fputs(tekst.constData(), stderr);
        return 2;
    }
    std::string powod;
    const auto odpowiedz = [&tekst](const Ujscie& u) {
        return u(tekst.constData(), std::size_t(tekst.size()));
    };
    if (zapisz_bezpiecznie("/dev/stdout", odpowiedz, &powod))
        return 0;
    std::fprintf(stderr, "Nie można zapisać wyników: standardowe wyjście: %s\n", powod.c_str());
    return 5;
}

} // namespace

int main(int argc, char* argv[])
{
    zajmij_zamkniete_deskryptory_standardowe(); // before Qt opens anything
    po_polsku_przed_aplikacja();
    const Start start = rozbierz_start(argumenty(argc, argv));
    if (start.co != Start::Co::okno)
        return odpowiedz_bez_okna(argc, argv);
    if (const QString brak = brak_ekranu(); !brak.isEmpty()) {
        std::fputs(brak.toUtf8().constData(), stderr);
        return kod_bez_ekranu;
    }

    // The window is its launcher's: the desktop entry's name, and on X11 the
    // class "zenta" its StartupWMClass names, whatever the program is called.
    QGuiApplication::setDesktopFileName("pl.zenta.Zenta");
    QCoreApplication::setApplicationName("zenta");
    pilnuj_ekranu();
    QApplication aplikacja(argc, argv);
    przestan_pilnowac_ekranu();
    QTranslator tlumacz;
    mow_po_polsku(tlumacz);

    _RUR1A_ rur1a;
    std::strcpy(rur1a._tytul_, "ZENTA");
    rur1a.plik_startowy = start.plik;
    return rur1a.Run();
}
