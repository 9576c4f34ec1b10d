#pragma once

#include "rekordy.h"

#include <optional>

class _ROZMOWA_;

// The modulus offered for an element that has none (0).
inline constexpr float domyslny_modul = 20000000.0f;

// An element's section, the values dialog 3010 asks for.
struct Przekroj {
    float a, e, alp, dt;
};

// The new-model wizard writes the values without leading blanks, the section edit pads them.
enum class Formaty { kreatora, edycji };

// Writes element `nr` into the record as dialog 3010 offers it; a modulus of
// 0 is offered as domyslny_modul. Each text reads back as its value wherever
// the field's width allows one that does.
void wypelnij_przekroj(d_dane_przek& danep, int nr, const Przekroj& p, Formaty formaty);

// The four values typed into dialog 3010 after "OK": the offered value where
// a text is unchanged, nothing where a text is not a float.
struct WpisanyPrzekroj {
    std::optional<float> a, e, alp, dt;
};
WpisanyPrzekroj wpisany_przekroj(const d_dane_przek& danep, const d_dane_przek& oferowany,
                                 const Przekroj& oferowane_wartosci);

// Whether each value may be stored: A > 0, E > 0, α ≥ 0, ΔT ≥ 0.
bool dozwolone_pole(std::optional<float> v);
bool dozwolony_modul(std::optional<float> v);
bool dozwolony_wspolczynnik(std::optional<float> v);
bool dozwolony_przyrost(std::optional<float> v);

// The control id of the first value that may not be stored, 0 when all may.
int pierwsze_niedozwolone(const WpisanyPrzekroj& w);

// Editing element n's section: dialog 3010 until all four typed values may be
// stored, all or none; the new section, or nothing on "Anuluj", which changes
// nothing. A refused showing comes back with the values held, the first
// refused field focused.
std::optional<Przekroj> edytuj_przekroj(_ROZMOWA_& rozmowa, d_dane_przek& danep, int n, const Przekroj& biezacy);
