#include "kody.h"

#include "argumenty.h"
#include "widoczne.h"

#include <cstdio>

// Names come from outside: an escape sequence in one is shown, not obeyed.
int blad(const std::string& tekst, int kod)
{
    std::fflush(stdout); // what was printed before stays before the message
    const std::string widoczny = bez_sterujacych(tekst) + '\n';
    std::fwrite(widoczny.data(), 1, widoczny.size(), stderr);
    return kod;
}

int blad_pliku(const char* tekst, const QString& plik, const std::string& powod, int kod)
{
    const std::string gdzie = plik == "-" ? "standardowe wyjście" : bajty_nazwy(plik);
    return blad(std::string(tekst) + ": " + gdzie + ": " + powod, kod);
}
