#include "kody.h"

#include "argumenty.h"

#include <cstdio>

int blad(const std::string& tekst, int kod)
{
    std::fflush(stdout); // what was printed before stays before the message
    std::fwrite(tekst.data(), 1, tekst.size(), stderr);
    std::fputc('\n', stderr);
    return kod;
}

int blad_pliku(const char* tekst, const QString& plik, const std::string& powod, int kod)
{
    return blad(std::string(tekst) + ": " + bajty_nazwy(plik) + ": " + powod, kod);
}
