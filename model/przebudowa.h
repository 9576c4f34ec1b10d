#pragma once

// Changes of the held model's structure (Pusty false): nodes, elements and
// supports inserted or removed. The arrays are made anew for the new counts
// and what stays is copied over; supports, forces and springs keep to their
// physical nodes (their numbers follow the nodes). Each change has its
// inverse here, which needs only what the change was given or removed, never
// a copy of the model: undoing gives back the model bit for bit. Results are
// cleared (f starts as the forces); the caller analyses again. The model keeps
// its identity (pokolenie_modelu): edits made before stay valid in order.
//
// A change that cannot be made (a count beyond what a file holds, memory that
// cannot be had) changes nothing and answers false.

// What an element carries besides its nodes.
struct DaneElementu {
    float a, e, alp, dt, q;
    bool operator==(const DaneElementu&) const = default;
};
DaneElementu dane_elementu(int i);

// Element i split at `x_nowy` (between its nodes): node i + 1 is the new one,
// unloaded, and elements i and i + 1 both carry element i's data.
bool podziel_element(int i, float x_nowy);
// Its inverse: node j (2..il_wezl - 1) and element j go; element j - 1 stays.
bool zlacz_w_wezle(int j);

enum class Koniec { poczatek, koniec };
// A new end node at `x_nowy` joined by a new element carrying `dane`.
bool dodaj_element(Koniec gdzie, float x_nowy, const DaneElementu& dane);
// Its inverse: the end element and its end node go.
bool usun_element(Koniec gdzie);

// Support `k` (1..il_podpor + 1) inserted at `wezel`, prescribing `u`; the later ones move up.
bool dodaj_podpore(int k, int wezel, float u);
bool usun_podpore(int k);

// Every element cut into `czesci` equal parts, and back.
bool podziel_kazdy(int czesci);
bool scal_czesci(int czesci);

// One structural change of the window, kept as what it was given and what
// undoing it needs (never a copy of the model): its size does not depend on
// the model's.
struct Przeksztalcenie {
    enum class Rodzaj : unsigned char {
        podzial,         // element `numer` at `x`
        zlaczenie,       // at node `numer`; `x` and `dane` are what goes
        dodanie_elementu,  // at `koniec`, its end node at `x`, carrying `dane`
        usuniecie_elementu, // at `koniec`; `x` and `dane` are what goes
        dodanie_podpory,   // support `numer` at `wezel`, prescribing `x`
        usuniecie_podpory, // support `numer`; `wezel` and `x` are what goes
        podzial_kazdego,   // every element into `numer` parts
    };
    Rodzaj rodzaj;
    int numer = 0, wezel = 0;
    Koniec koniec = Koniec::koniec;
    float x = 0.0f;
    DaneElementu dane{};
};

// The change made on the held model, or undone; false, with the model as it
// was, where the functions above refuse.
[[nodiscard]] bool wykonaj(const Przeksztalcenie& p);
[[nodiscard]] bool cofnij(const Przeksztalcenie& p);
