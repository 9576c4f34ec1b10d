#pragma once

#include "m1d.h"

#include <span>
#include <string>
#include <vector>

// A check of the current model (Pusty false) that names the node, element or
// support at fault, in Polish.

enum class Waga {
    blad,        // the analysis cannot give meaningful numbers
    ostrzezenie, // it can, but they are probably not what the user meant
};

struct Uwaga {
    Waga waga;
    std::string tekst;
};

// Faults visible in the input alone. `naprawione`: supports the file reader
// had to move to node 1.
std::vector<Uwaga> sprawdz_dane(std::span<const NaprawionaPodpora> naprawione);

// Faults visible in the results of the analysed model: strains too large to be
// meant, and float32 storage too coarse for the model.
std::vector<Uwaga> sprawdz_wyniki();

bool sa_bledy(const std::vector<Uwaga>& uwagi);

// At most this many items of one kind are named; the rest are counted.
inline constexpr int najwiecej_wymienionych = 5;
