// Writes a random well-posed bar as an M1D file, for timing zenta-oblicz on
// large models:  zapisz_model ELEMENTY PLIK.M1D
#include "pret.h"

#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char* argv[])
{
    const long n = argc == 3 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (n < 1 || n > 100'000'000) {
        std::fputs("zapisz_model ELEMENTY PLIK.M1D\n", stderr);
        return 2;
    }
    std::mt19937 los(1);
    return zapisz_plik_modelu(pret_losowy(int(n), 1000, los), argv[2]) ? 0 : 5;
}
