#pragma once

#include <QString>

#include <cstddef>
#include <functional>

// Receives the bytes of an output file in order; false when it could not take them.
using Pisz = std::function<bool(const void* dane, std::size_t bajty)>;

// Writes a file through a temporary one that replaces it only when every byte
// was written: a failure leaves the earlier file as it was. Unbuffered, so
// that every failed write is seen (QSaveFile's buffer hides a cut-short file).
bool zapisz_plik(const QString& sciezka, const std::function<bool(const Pisz&)>& tresc);

// The same for writers that print to a FILE*: they write into memory first.
bool zapisz_plik_z_wydruku(const QString& sciezka, const std::function<bool(std::FILE*)>& wydruk);
