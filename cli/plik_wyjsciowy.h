#pragma once

#include "strumien.h"

#include <QString>

#include <functional>
#include <string>

// An output file of zenta-oblicz, named on the command line: written through
// the safe writer (a failure leaves an earlier file as it was; a FIFO or a
// device is written into, never replaced). `tresc` writes the bytes through
// the Ujscie it is given; "-" is standard output. On failure, `powod` says
// why.
bool zapisz_plik(const QString& sciezka, const std::function<bool(const Ujscie&)>& tresc, std::string& powod);

// What goes to standard output, through the same writer; a failure is said
// ("Nie można zapisać wyników: standardowe wyjście: why") and answered with
// blad_zapisu, otherwise sukces.
int wypisz_na_wyjscie(const std::function<bool(Strumien&)>& tresc);
