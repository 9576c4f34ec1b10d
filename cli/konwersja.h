#pragma once

#include <QString>

// The text form of models, both ways. Each answers a KodWyjscia.

// An M1D file (or a text model) as a text model, to `wyjscie` or, when that
// is empty, to standard output.
int na_tekst(const QString& model, const QString& wyjscie);

// A text model (or an M1D file) written as an M1D file.
int na_m1d(const QString& model, const QString& wyjscie);
