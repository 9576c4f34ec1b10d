#include "instalacja.h"

#include "analiza.h"

void zainstaluj_model(const Tablice& t, const std::function<void(int)>& postep)
{
    zainstaluj_tablice(t);
    Macierze();
    Oblicz(postep);
    Pusty = false;
}
