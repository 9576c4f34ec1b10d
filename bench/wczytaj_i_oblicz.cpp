// Reading an M1D file and analysing it, as zenta-oblicz starts, and nothing
// else: the anchor that bench/czasy_oblicz.sh measures every output against.
//   wczytaj_i_oblicz PLIK.M1D

#include "instalacja.h"
#include "m1d.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication aplikacja(argc, argv);
    if (argc != 2)
        return 2;
    const WynikOdczytu odczyt = czytaj_plik_m1d(argv[1]);
    if (odczyt.stan != Odczyt::ok)
        return 4;
    zainstaluj_model(odczyt.tablice);
    zwolnij_model();
    return 0;
}
