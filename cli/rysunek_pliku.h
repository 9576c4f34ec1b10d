#pragma once

#include "lista.h"

#include <QSize>
#include <QString>

#include <optional>

#include <string>

// The main view's picture of the current model (Pusty false), as the desktop
// program draws it in a window of `rozmiar`: SVG for a name ending in .svg,
// PNG for .png. False when the file could not be written, `powod` saying why.
bool zapisz_rysunek(const QString& sciezka, QSize rozmiar, bool napr, std::string& powod);

// Any picture as a file: PNG for a name ending in .png, otherwise SVG.
bool zapisz_obraz(const QString& sciezka, const Rysunek& rysunek, QSize rozmiar, std::string& powod);

// "WxH" with both sides 151..20000 (smaller windows show no bar).
std::optional<QSize> czytaj_rozmiar(const QString& tekst);
