// ZENTA: MES dla prętów rozciąganych i ściskanych.

#include "po_polsku.h"
#include "rur1a.h"

#include <QApplication>
#include <QTranslator>

#include <cstring>

int main(int argc, char* argv[])
{
    po_polsku_przed_aplikacja();
    QApplication aplikacja(argc, argv);
    QTranslator tlumacz;
    mow_po_polsku(tlumacz);

    _RUR1A_ rur1a;
    std::strcpy(rur1a._tytul_, "ZENTA");
    return rur1a.Run();
}
