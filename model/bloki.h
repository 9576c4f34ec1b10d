#pragma once

#include <cstddef>

// Memory blocks behind POM_MAC (internal to model/).
//
// First touching fresh memory costs more than the arithmetic done on it, so
// large blocks are aligned to 2 MiB and offered to transparent huge pages,
// and freed large blocks are kept for reuse: a model that replaces another
// gets pages that are already mapped.

// A block of at least `bajty` bytes, or null when none can be had.
void* przydziel_blok(std::size_t bajty);

// Releases a block from przydziel_blok (null is ignored).
void zwolnij_blok(void* blok);
