#pragma once

#include <cstddef>

// Memory blocks behind POM_MAC (internal to model/).
//
// First touching fresh memory costs more than the arithmetic done on it, so
// large blocks are aligned to 2 MiB and offered to transparent huge pages.
// A released block goes back to the system at once: a released model leaves
// nothing resident behind.

// A block of at least `bajty` bytes, or null when none can be had.
void* przydziel_blok(std::size_t bajty);

// Releases a block from przydziel_blok (null is ignored).
void zwolnij_blok(void* blok);
