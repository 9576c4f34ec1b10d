#include "kody.h"

#include <cstdio>

int blad(const char* tekst, int kod)
{
    std::fflush(stdout); // what was printed before stays before the message
    std::fprintf(stderr, "%s\n", tekst);
    return kod;
}
