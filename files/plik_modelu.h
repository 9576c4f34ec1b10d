#pragma once

#include "m1d.h"

#include <cstdint>
#include <string>
#include <string_view>

// A model file of either kind: a text model for a name ending in .txt, an
// M1D file for .M1D (any case), and without either ending whichever its first
// bytes show. A text is read a piece at a time as it is parsed, never held
// whole; its errors (with their line) are the result's powod.
// `tekst`, when given, gets the text of a text model as it was read (for
// writing it back in its own layout); it stays as it was for an M1D file.
WynikOdczytu czytaj_plik_modelu(const std::string& sciezka, std::string* tekst = nullptr);

// The same for bytes already in memory (standard input), by their look.
WynikOdczytu czytaj_model_z_bajtow(std::string_view bajty);

// Whether a name is a text model's (ends in .txt, any case).
bool nazwa_modelu_tekstowego(std::string_view sciezka);

// A text model of 1e7 elements is some 450 MB; a larger one is refused.
inline constexpr std::uint64_t najwiekszy_model_tekstowy = std::uint64_t{1} << 30;
