#include "plik_wyjsciowy.h"

#include "argumenty.h"
#include "plik_do_zapisu.h"

bool zapisz_plik(const QString& sciezka, const std::function<bool(const Ujscie&)>& tresc, std::string& powod)
{
    // "-" is standard output, as for every Unix tool.
    return zapisz_bezpiecznie(sciezka == "-" ? "/dev/stdout" : bajty_nazwy(sciezka), tresc, &powod);
}
