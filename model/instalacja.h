#pragma once

#include "model.h"

#include <functional>

// The one way in for a model: opening a file, the new-model wizard,
// zenta-oblicz and the fuzzers all make a model current through here.

// Makes `t` the current model and analyses it (Macierze, then Oblicz); Pusty
// is false afterwards. The model held before must have been released (Pusty
// true). `postep` as for Oblicz.
void zainstaluj_model(const Tablice& t, const std::function<void(int)>& postep = {});
