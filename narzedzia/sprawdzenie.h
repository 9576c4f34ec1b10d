#pragma once

#include "m1d.h"
#include "rozwiazanie_dokladne.h"

#include <optional>
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
    bool falszuje_wyniki = false; // the results shown are not the bar's: penalty too weak,
                                  // float32 too coarse, a support moved or doubled
};

// Faults visible in the input alone. `naprawione`: supports the file reader
// had to move to node 1.
std::vector<Uwaga> sprawdz_dane(std::span<const NaprawionaPodpora> naprawione);

// Faults visible in the results of the analysed model: results that are not
// finite (with their cause), strains too large to be meant, and float32
// storage too coarse for the model.
std::vector<Uwaga> sprawdz_wyniki();
// The same with the model's penalised double solution already found.
std::vector<Uwaga> sprawdz_wyniki(const Rozwiazanie& z_kara);

bool sa_bledy(const std::vector<Uwaga>& uwagi);

// The faults of the analysed current model that make the results shown wrong
// (Uwaga::falszuje_wyniki), from the input and, where it has no errors, the
// results.
std::vector<Uwaga> usterki_falszujace_wyniki(std::span<const NaprawionaPodpora> naprawione);

// Why the results of the analysed current model are not all finite numbers:
// the check's errors, from the input or, where it has none, from the
// arithmetic of the analysis. Empty when the results are finite.
std::vector<Uwaga> przyczyny_wynikow_nieliczbowych();

// The first result of the analysed current model that is not a finite
// number, as "naprężenie w elemencie 3 wynosi nan" (displacements first,
// then stresses, then reactions); nothing when all are finite.
std::optional<std::string> wynik_nieliczbowy();

// At most this many items of one kind are named; the rest are counted.
inline constexpr int najwiecej_wymienionych = 5;
