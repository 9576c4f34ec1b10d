#pragma once

#include "m1d.h"

#include <cstdint>
#include <string>
#include <vector>

// The model file of zenta-oblicz: an M1D file or a text model, by its name's
// ending (.M1D, .txt) or, without either, by what it holds; "-" is standard
// input.
struct WczytanyModel {
    int kod = 0;      // a KodWyjscia; sukces when the model is current
    std::string blad; // otherwise the message for standard error, with the file's name and why
    std::vector<NaprawionaPodpora> naprawione;
};

// Reads the file into fresh arrays: the result's Tablice on success.
struct OdczytModelu {
    WczytanyModel stan;
    Tablice tablice;
};
OdczytModelu czytaj_model(const std::string& sciezka);

// Reads the file and makes it the current model, analysed (Pusty false).
WczytanyModel wczytaj_model(const std::string& sciezka);

