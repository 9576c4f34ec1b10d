#pragma once

// Standard input, output and error that the process was started without
// (`prog >&-`). Each gets /dev/null at once, before anything else is opened,
// so that no descriptor the program or Qt opens later takes its number and
// is read as input or written as output; reading or writing it is then
// refused as from a closed descriptor.
void zajmij_zamkniete_deskryptory_standardowe();

// Whether descriptor 0, 1 or 2 was closed when the process started.
bool zamkniety_na_starcie(int fd);
