#pragma once

#include "lista.h"

#include <string>
#include <vector>

// The items of one kind in a display list, in their order.
template <typename T>
std::vector<T> elementy(const Rysunek& r)
{
    std::vector<T> wynik;
    for (const ElementRysunku& e : r)
        if (const T* t = std::get_if<T>(&e))
            wynik.push_back(*t);
    return wynik;
}

// The texts of a display list, in their order.
inline std::vector<std::string> napisy(const Rysunek& r)
{
    std::vector<std::string> wynik;
    for (const Tekst& t : elementy<Tekst>(r))
        wynik.push_back(t.tekst);
    return wynik;
}
