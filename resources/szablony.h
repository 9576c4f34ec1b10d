#pragma once

#include <span>

// The data-entry dialog templates, in dialog units, font "MS Sans Serif" 8 pt.

enum class RodzajKontrolki { edycja, etykieta, przycisk, ramka };

enum StylKontrolki : int {
    zwykly = 0,
    cyfry = 1,        // an edit field that takes only 0-9
    tylko_odczyt = 2, // an edit field shown right-aligned, not editable
    do_prawej = 4,    // a right-aligned label
    domyslny = 8,     // the default push button
};

struct Kontrolka {
    RodzajKontrolki rodzaj;
    int id; // -1 for labels and frames
    const char* tekst;
    int x, y, szerokosc, wysokosc;
    int styl;
};

struct Szablon {
    int id;
    const char* tytul;
    int x, y, szerokosc, wysokosc;
    std::span<const Kontrolka> kontrolki; // in tab order
};

// The template with this id (3000, 3010, ..., 3070), or nullptr.
const Szablon* szablon(int id);
