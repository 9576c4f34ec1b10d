#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// Whether a file name ends in `koncowka` (given in lower case), in any case:
// ".M1D", ".Png" and ".TXT" name what their lower-case forms name.
inline bool konczy_sie_na(std::string_view nazwa, std::string_view koncowka)
{
    return nazwa.size() >= koncowka.size() &&
           std::equal(koncowka.begin(), koncowka.end(), nazwa.end() - std::ptrdiff_t(koncowka.size()),
                      [](char k, char n) { return k == (n >= 'A' && n <= 'Z' ? char(n - 'A' + 'a') : n); });
}
