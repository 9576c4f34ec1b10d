#pragma once

#include <sys/types.h>

#include <string>

// Why a file could not be opened, read or written, in Polish.

// For an errno value.
std::string powod_bledu(int blad);

// For what stands at a name that is not a regular file (a mode from stat).
std::string powod_rodzaju(mode_t tryb);
