#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text from outside (a file's name, what a user typed) made safe to show.

// Control characters, which a terminal would obey (C0, DEL and C1: an escape
// sequence in a file's name could clear the screen or retitle the window),
// written as \xNN.
std::string bez_sterujacych(std::string_view tekst);

// The same, and every byte that is not part of UTF-8 written as \xNN too: for
// a page that must stay valid UTF-8, with the name still recognisable.
std::string poprawne_utf8(std::string_view tekst);

// The length of the UTF-8 sequence at the start of `s` (the shortest form
// only, no surrogates), 0 when there is none.
std::size_t dlugosc_utf8(std::string_view s);
