#pragma once

#include "lista.h"

#include <QSize>
#include <QString>

#include <optional>

// The main view's picture of the current model (Pusty false), as the desktop
// program draws it in a window of `rozmiar`: SVG for a name ending in .svg,
// PNG for .png. False when the file could not be written.
bool zapisz_rysunek(const QString& sciezka, QSize rozmiar, bool napr);

// Any picture as a file: PNG for a name ending in .png, otherwise SVG.
bool zapisz_obraz(const QString& sciezka, const Rysunek& rysunek, QSize rozmiar);

// "WxH" with both sides 151..20000 (smaller windows show no bar).
std::optional<QSize> czytaj_rozmiar(const QString& tekst);
