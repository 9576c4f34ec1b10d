#pragma once

#include "przebudowa.h"
#include "rekordy.h"

#include <optional>

class _ROZMOWA_;

// Changes of the held bar's structure (Pusty false) as the window asks for
// them: a dialog where something must be typed, the refused field focused
// again, and a box saying why where the change cannot be made at all. The
// result is the change, not yet made, or nothing ("Anuluj", or a refusal
// the user has been told of).

// Element i (offered; 1..il_elem) split at a coordinate strictly between its
// nodes (the middle offered).
std::optional<Przeksztalcenie> podzial_elementu(_ROZMOWA_& rozmowa, d_podzial& dane, int i);

// The two elements at node j joined: j asked for first when `zapytaj`. Only
// at an inner node with no support, spring or force, between elements
// carrying the same data to the bit; otherwise a box says what stands in
// the way.
std::optional<Przeksztalcenie> zlaczenie_w_wezle(_ROZMOWA_& rozmowa, d_zlaczenie& dane, int j, bool zapytaj);

// A new element at that end: its length, area and modulus offered from the
// end element, the rest of its data copied from it; the bar goes on the
// way it runs there (before x = 0 at a start at 0).
std::optional<Przeksztalcenie> nowy_element(_ROZMOWA_& rozmowa, d_nowy_element& dane, Koniec gdzie);

// The element at that end taken off, when the bar keeps one and the end node
// carries nothing (no support, spring or force).
std::optional<Przeksztalcenie> usuniecie_elementu(_ROZMOWA_& rozmowa, Koniec gdzie);

// A new support, the last one, at a node without one (node j offered), with
// a prescribed displacement of at least 0 (dialog 3030).
std::optional<Przeksztalcenie> nowa_podpora(_ROZMOWA_& rozmowa, d_wymusz& dane, int j);

// Support k taken off (asked for first when `zapytaj`); the bar keeps at
// least one support or spring.
std::optional<Przeksztalcenie> usuniecie_podpory(_ROZMOWA_& rozmowa, d_usuniecie_podpory& dane, int k,
                                                 bool zapytaj);

// Every element into k equal parts, k = 2..10.
std::optional<Przeksztalcenie> podzial_kazdego(_ROZMOWA_& rozmowa, d_podzial_kazdego& dane);

// The support at node j (0: none).
int podpora_w_wezle(int j);

// The most elements a model may have: an M1D file counts them in an int and
// keeps one number free.
inline constexpr long long najwiecej_elementow = 2147483646;
