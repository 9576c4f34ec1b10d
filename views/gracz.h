#pragma once

#include "lista.h"

class QPainter;

// Plays a picture on a painter: solid pens and brushes, "Arial" text, no
// antialiasing, rectangles and lines without their right/bottom edge and end
// point, as the picture's coordinates mean them.
void odtworz(const Rysunek& rysunek, QPainter& malarz);
