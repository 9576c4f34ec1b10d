#pragma once

#include <string>

// printf of one number with a format such as "%8.3f", always with a point as
// the decimal separator, whatever the process locale says (Qt adopts the
// environment's; a Polish one would print a comma).
std::string printf_liczby(const char* format, double wartosc);
