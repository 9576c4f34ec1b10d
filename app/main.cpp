// ZENTA: MES dla prętów rozciąganych i ściskanych.

#include "rur1a.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication aplikacja(argc, argv);
    // Qt adopts the environment's locale; numbers are printed with a point.
    std::setlocale(LC_NUMERIC, "C");
    QTranslator tlumacz;
    if (tlumacz.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumacz);

    _RUR1A_ rur1a;
    std::strcpy(rur1a._tytul_, "ZENTA");
    return rur1a.Run();
}
