#include "plik_wyjsciowy.h"

#include "argumenty.h"
#include "kody.h"
#include "plik_do_zapisu.h"

bool zapisz_plik(const QString& sciezka, const std::function<bool(const Ujscie&)>& tresc, std::string& powod)
{
    // "-" is standard output, as for every Unix tool.
    return zapisz_bezpiecznie(sciezka == "-" ? "/dev/stdout" : bajty_nazwy(sciezka), tresc, &powod);
}

int wypisz_na_wyjscie(const std::function<bool(Strumien&)>& tresc)
{
    std::string powod;
    const auto przez_strumien = [&tresc](const Ujscie& ujscie) {
        Strumien s(ujscie);
        return tresc(s) && s.zakoncz();
    };
    return zapisz_plik("-", przez_strumien, powod)
               ? sukces
               : blad_pliku("Nie można zapisać wyników", "-", powod, blad_zapisu);
}
