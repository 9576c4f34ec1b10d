#pragma once

#include "bilans.h"

#include <cstdio>

// --bilans beside the results: as text lines, or as the value of "bilans" in JSON.
void wypisz_bilans(const Bilans& b, std::FILE* out);
void wypisz_bilans_json(const Bilans& b, std::FILE* out);
void wypisz_bilans_csv(const Bilans& b, std::FILE* out);
