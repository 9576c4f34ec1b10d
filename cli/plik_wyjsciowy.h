#pragma once

#include "strumien.h"

#include <QString>

#include <functional>

// Writes a file through a temporary one that replaces it only when every byte
// was written: a failure leaves the earlier file as it was. Unbuffered, so
// that every failed write is seen (QSaveFile's buffer hides a cut-short file).
// `tresc` writes the bytes through the Ujscie it is given.
bool zapisz_plik(const QString& sciezka, const std::function<bool(const Ujscie&)>& tresc);
