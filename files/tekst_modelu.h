#pragma once

#include "m1d.h"
#include "strumien.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// Text models: the contents of an M1D file in a form a person writes in an
// editor. '#' starts a comment that runs to the end of the line. A section is
// a keyword followed by its values, on as many lines as one likes, in any
// order; each section appears once:
//
//   elementy 2            obciążenia 1            podpory 1
//   współrzędne 0 1 2     (x of every node)
//   pola 1 1              moduły 200000 200000    rozszerzalności 0 0
//   temperatury 0 0       siły 0 0 1000           (force at every node)
//   węzły_podpór 1        wymuszenia 0            (one per support)
//
// Keywords may also be written without Polish letters (obciazenia, moduly...).
// Reals are written as the shortest text that reads back to the same float, so
// M1D -> text -> M1D gives the same bytes, with one exception: a support node
// outside the bar, which the M1D reader took as node 1, is node 1 in the text
// (a comment names the file's number) and so in the M1D made from it. A NaN
// other than the plain one is written as nan(0xXXXXXXXX), its bit image.

// Writes the input data of `t`. Supports the reader had to move to node 1 are
// noted in comments. False when writing failed.
bool zapisz_tekst_modelu(const Tablice& t, std::span<const NaprawionaPodpora> naprawione, Strumien& s);
bool zapisz_tekst_modelu(const Tablice& t, std::span<const NaprawionaPodpora> naprawione, std::FILE* out);

// Writes `t` over `wzor`, a text model as its user wrote it (one `t` was
// read from, or derived from by edits): comments, blank lines, layout and
// each value's own spelling stay, and only a value that `t` holds
// differently is written anew. A section whose number of values `t` has
// changed is written anew from its keyword to its last value. False when
// writing failed.
bool zapisz_tekst_modelu_wedlug(std::string_view wzor, const Tablice& t, Strumien& s);

struct WynikTekstu {
    bool ok = false;
    Tablice tablice;  // on ok: fresh arrays owned by the caller, f a copy of si
    std::string blad; // otherwise: what is wrong, in Polish, with its line number
    bool brak_pamieci = false; // the arrays could not be had (blad says so)
};

// Reads a text model. A number too small for a float reads as the zero it
// rounds to, with its sign; one too large is refused.
WynikTekstu czytaj_tekst_modelu(std::string_view tekst);

// The same from pieces: each call fills at most `najwiecej` bytes at `cel`
// and answers how many (0 at the end, below 0 on a read error). `rozmiar`:
// the text's length in bytes, which bounds what is allocated before the end.
using CzytajTekst = std::function<std::ptrdiff_t(char* cel, std::size_t najwiecej)>;
WynikTekstu czytaj_tekst_modelu(const CzytajTekst& czytaj, std::uint64_t rozmiar);
