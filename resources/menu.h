#pragma once

#include <span>

// Menu resource 1000: popups and items in order. An item with no text is a separator.
struct PozycjaMenu {
    const char* popup; // the popup the item belongs to
    const char* tekst; // with its & mnemonic; nullptr for a separator
    int id;            // command id; 0 for a separator
    const char* skroty = nullptr; // keys that run it anywhere in the program, "; " between them
};

std::span<const PozycjaMenu> menu_1000();
