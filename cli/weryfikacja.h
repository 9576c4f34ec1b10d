#pragma once

#include "bilans.h"

class Strumien;

// --bilans beside the results: as text lines after them, as the value of
// "bilans" in JSON, or as two more CSV blocks.
bool wypisz_bilans(const Bilans& b, Strumien& s);
void wypisz_bilans_json(const Bilans& b, Strumien& s);
void wypisz_bilans_csv(const Bilans& b, Strumien& s);
