#pragma once

#include <QString>
#include <QStringList>

// The command line of the desktop program: `zenta [PLIK]`, as a file
// manager starts it, or a question answered on standard output without a
// window.
struct Start {
    enum class Co { okno, pomoc, wersja, blad };
    Co co = Co::okno;
    QString plik;  // for okno: the model to open, or empty
    QString tekst; // for the others: what to print (blad: on standard error, status 2)
};

Start rozbierz_start(const QStringList& argumenty);
