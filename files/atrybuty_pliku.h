#pragma once

#include <sys/stat.h>

#include <string>

// Gives the new file open at `fd` what the old file at `dawny_plik` (with
// `dawny`, its stat) has besides its bytes: owner and group, every extended
// attribute (ACLs are extended attributes) and mode. False, with errno, when
// any of it cannot be given: the new file would then not be what the old one
// was, and the old one is better written in place.
bool przenies_atrybuty(const std::string& dawny_plik, const struct stat& dawny, int fd);
